#pragma once

#include <QString>

class MenuProject;

// What zepc's building commands (compile, exe, iso) share.
namespace buildsupport {

// The designer's preparation for a build: the transparency companions made again.
void prepare(MenuProject &project);

// The line saying that an earlier menu stays unless --force is given.
QString earlierMenuKept();

// A folder a command makes for its output and removes again when the build fails, so
// that a failure leaves no empty folder behind.
class OutputFolder
{
public:
    // Makes path and its missing parents; false when it cannot.
    bool make(const QString &path);
    // Removes what make() created, with what the failed build put there.
    void discard();

private:
    QString m_created; // the highest folder make() created; empty when it existed
};

} // namespace buildsupport
