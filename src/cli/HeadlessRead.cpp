#include "cli/HeadlessRead.h"

#include "cli/ConsoleOutput.h"
#include "document/DesignerDocument.h"
#include "project/ProjectStorage.h"
#include "prompt/ConsolePrompter.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

class ProblemPrinter : public ReadProblemHandler
{
public:
    explicit ProblemPrinter(QString path) : m_path(std::move(path)) {}

    bool continueReading(const ReadProblem &problem) override
    {
        QString line = m_path + u':';
        if (problem.line > 0)
            line += QString::number(problem.line) + u':';
        line += u' ' + problem.error.description + u" (erreur "_s + QString::number(problem.error.number);
        if (!problem.section.isEmpty())
            line += u", paragraphe "_s + problem.section;
        console::error(line + u')');
        return true;
    }

private:
    QString m_path;
};

} // namespace

HeadlessRead HeadlessRead::open(MenuProject &project, const QString &path)
{
    ConsolePrompter prompter;
    ProblemPrinter printer(path);
    ProjectStorage storage(project, prompter);
    storage.setProblemHandler(&printer);
    HeadlessRead read;
    read.completed = storage.open(QFileInfo(path).absoluteFilePath());
    read.problems = storage.problemCount();
    return read;
}

bool HeadlessRead::save(MenuProject &project, const QString &path)
{
    // Reading the written file back meets the problems already told once.
    struct : ReadProblemHandler
    {
        bool continueReading(const ReadProblem &) override { return true; }
    } quiet;
    ConsolePrompter prompter;
    ProjectStorage storage(project, prompter);
    storage.setProblemHandler(&quiet);
    return storage.save(QFileInfo(path).absoluteFilePath());
}

QString HeadlessRead::folderOf(const MenuProject &project)
{
    return DesignerDocument::folderOf(project.path(), QString());
}
