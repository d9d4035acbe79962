#pragma once

#include "common/ZepError.h"
#include "project/ProjectLocation.h"
#include "project/ProjectReader.h"
#include "project/ReadProblem.h"
#include "prompt/PromptTypes.h"

#include <QString>

#include <functional>
#include <memory>

class MenuProject;
class Prompter;
class QmbConverter;
class RecentFilesSink;

// Opening and saving the one project: the reader and writer with their questions,
// the current project path and the recent files.
class ProjectStorage : private ReadProblemHandler
{
public:
    // unsavedFolder: where the bare file names of a never-saved project lie.
    ProjectStorage(MenuProject &project, Prompter &prompter, QString unsavedFolder = QString());
    ~ProjectStorage() override;

    void setRecentFiles(RecentFilesSink *recent) { m_recent = recent; }
    // .qmb files go through the converter of the running program's folder unless
    // another is given.
    void setQmbConverter(QmbConverter *converter);
    // Reading problems go there instead of the "Erreur d'ouverture !" box.
    void setProblemHandler(ReadProblemHandler *handler) { m_problemHandler = handler; }
    void setPictureCheck(ProjectReader::PictureCheck check) { m_pictureCheck = std::move(check); }

    // True when the file was read to its end; the project then takes what was read in
    // one step. A file that is no project is refused with a box and changes nothing.
    // Without resetFirst the file's values go over the open project's.
    bool open(const QString &path, bool resetFirst = true);
    // Where the project's files lie now.
    ProjectLocation location() const;

    // Nothing on success; a failure leaves any older file in place, and the project
    // without a file. The caller shows saveFailure(error).
    ZepError save(const QString &targetPath);
    static MessageRequest saveFailure(const ZepError &error);

    // Problems met since the storage was made, for tools that report them.
    int problemCount() const { return m_problemCount; }

private:
    bool continueReading(const ReadProblem &problem) override;
    void abandon();

    MenuProject &m_project;
    Prompter &m_prompter;
    RecentFilesSink *m_recent = nullptr;
    ReadProblemHandler *m_problemHandler = nullptr;
    std::unique_ptr<QmbConverter> m_defaultQmb;
    QmbConverter *m_qmb;
    ProjectReader::PictureCheck m_pictureCheck;
    QString m_unsavedFolder;
    int m_problemCount = 0;
};
