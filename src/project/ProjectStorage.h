#pragma once

#include "project/ProjectReader.h"
#include "project/ReadProblem.h"

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
    ProjectStorage(MenuProject &project, Prompter &prompter);
    ~ProjectStorage() override;

    void setRecentFiles(RecentFilesSink *recent) { m_recent = recent; }
    // .qmb files go through the converter of the running program's folder unless
    // another is given.
    void setQmbConverter(QmbConverter *converter);
    // Reading problems go there instead of the "Erreur d'ouverture !" box.
    void setProblemHandler(ReadProblemHandler *handler) { m_problemHandler = handler; }
    void setPictureCheck(ProjectReader::PictureCheck check) { m_pictureCheck = std::move(check); }
    // With a language pack the save failure is worded by the pack.
    void setSaveFailureText(std::function<QString(const QString &description)> text);

    // True when the file was read to its end; the project then takes what was read in
    // one step. A file that is no project is refused with a box and changes nothing.
    // Without resetFirst the file's values go over the open project's.
    bool open(const QString &path, bool resetFirst = true);
    // True when the file was written; a failure leaves any older file in place.
    bool save(const QString &targetPath);

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
    std::function<QString(const QString &)> m_saveFailureText;
    int m_problemCount = 0;
};
