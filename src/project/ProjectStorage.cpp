#include "project/ProjectStorage.h"

#include "common/PathText.h"
#include "common/Phrases.h"
#include "common/SaveFile.h"
#include "project/MenuProject.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "project/QmbConversion.h"
#include "project/RecentFilesSink.h"
#include "prompt/Prompter.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

ProjectStorage::ProjectStorage(MenuProject &project, Prompter &prompter, QString unsavedFolder)
    : m_project(project), m_prompter(prompter),
      m_defaultQmb(std::make_unique<QmbConversion>(prompter, QCoreApplication::applicationDirPath() + u'/')),
      m_qmb(m_defaultQmb.get()), m_unsavedFolder(std::move(unsavedFolder))
{
}

ProjectStorage::~ProjectStorage() = default;

void ProjectStorage::setQmbConverter(QmbConverter *converter)
{
    m_qmb = converter ? converter : m_defaultQmb.get();
}

bool ProjectStorage::continueReading(const ReadProblem &problem)
{
    ++m_problemCount;
    if (m_problemHandler)
        return m_problemHandler->continueReading(problem);
    const Answer answer = m_prompter.message(problem.boxText(), Phrases::text(Phrase::OpenError), MessageIcon::Critical,
                                             MessageButtons::YesNo);
    return answer == Answer::Yes;
}

void ProjectStorage::abandon()
{
    m_project.reset();
}

bool ProjectStorage::open(const QString &path, bool resetFirst)
{
    if (path.endsWith(u"qmb"_s, Qt::CaseInsensitive)) {
        if (resetFirst)
            m_project.reset();
        const QString converted = m_qmb->convert(path);
        return !converted.isEmpty() && open(converted, true);
    }

    const QString hostPath = pathtext::toHost(path);
    const Result<QByteArray> read = readWholeFile(hostPath);
    if (read.isError()) {
        // Nothing was read, so nothing is recorded as the project's file.
        if (!continueReading(ReadProblem{read.error(), QString(), QString()}) || resetFirst)
            abandon();
        return false;
    }
    const QByteArray &bytes = read.value();

    if (!ProjectReader::isProject(bytes)) {
        ++m_problemCount;
        m_prompter.message(u"Le fichier '"_s + path + u"' n'est pas un projet ZEP."_s, Phrases::text(Phrase::OpenError),
                           MessageIcon::Critical);
        return false;
    }

    ProjectContent content =
        resetFirst ? ProjectContent::fresh(m_project.content(), m_project.defaultIconMarker()) : m_project.content();
    ProjectReader reader(content, *this, m_pictureCheck);
    if (reader.read(bytes, ProjectLocation(path).folder()) == ProjectReader::Outcome::Abandoned) {
        abandon();
        return false;
    }
    m_project.replace(content, path);
    if (m_recent)
        m_recent->add(path);
    return true;
}

ProjectLocation ProjectStorage::location() const
{
    return ProjectLocation(m_project.path(), m_unsavedFolder);
}

MessageRequest ProjectStorage::saveFailure(const ZepError &error)
{
    // Under a pack the title is its error title, phrase 7.
    const QString title = Phrases::packActive() ? Phrases::text(Phrase::Error) : u"Erreur !"_s;
    return {Phrases::text(Phrase::SaveErrorOpen) + error.description + u')', title, MessageIcon::Critical};
}

ZepError ProjectStorage::save(const QString &targetPath)
{
    const ZepError error =
        saveFileAtomically(pathtext::toHost(targetPath), ProjectWriter(m_project).toBytes(targetPath, location()));
    if (error.isError()) {
        m_project.setPath(QString());
        return error;
    }
    if (targetPath != m_project.path()) {
        // Reading it back adds it to the recent files.
        m_project.setPath(targetPath);
        open(targetPath, true);
    } else if (m_recent) {
        m_recent->add(targetPath);
    }
    return {};
}
