#include "support/DesktopFileCheck.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace testfiles {

QString desktopFileProblems(const QString &path)
{
    const QString tool = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    if (tool.isEmpty())
        return u"desktop-file-validate is missing (scripts/install-deps installs it)"_s;
    QProcess validate;
    validate.start(tool, {path});
    if (!validate.waitForFinished())
        return u"desktop-file-validate did not finish"_s;
    QStringList problems;
    const QString said = QString::fromUtf8(validate.readAllStandardOutput() + validate.readAllStandardError());
    for (const QString &line : said.split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.contains(u": hint: "_s))
            problems << line;
    }
    if (validate.exitCode() != 0 && problems.isEmpty())
        problems << u"exit code "_s + QString::number(validate.exitCode());
    return problems.join(u'\n');
}

} // namespace testfiles
