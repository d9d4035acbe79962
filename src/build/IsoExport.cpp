#include "build/IsoExport.h"

#include "build/BuildHooks.h"
#include "build/CompileEngine.h"
#include "prompt/Prompter.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

IsoExport::IsoExport(const MenuProject &project, Prompter &prompter, QString programFolder)
    : m_project(project), m_prompter(prompter), m_programFolder(std::move(programFolder))
{
}

bool IsoExport::run(BuildHooks &hooks)
{
    hooks.prepareForBuild();
    hooks.showWaitPanels(true);
    const QString defaultName = CompileRequest::defaultProjectName(m_project);
    QString image = m_prompter.saveFile(
        {u"Enregistrer l'image ISO"_s, u"Image ISO | *.iso"_s, (defaultName.isEmpty() ? u"menu"_s : defaultName) + u".iso"_s});
    bool written = false;
    if (!image.isEmpty()) {
        if (!image.endsWith(u".iso"_s, Qt::CaseInsensitive))
            image += u".iso"_s;
        const Answer runtime = m_prompter.message(u"Copier les fichiers 'RUNTIME' ?"_s, QString(),
                                                  MessageIcon::Question, MessageButtons::YesNoCancel);
        ZepError error;
        if (runtime != Answer::Cancel)
            written = write(image, runtime == Answer::No, &error);
        if (error.isError())
            m_prompter.message(error.description, u"Erreur n°"_s + QString::number(error.number), MessageIcon::Critical);
        else if (written)
            m_prompter.message(u"L'image ISO a été créée !"_s, u"ZEP"_s, MessageIcon::Information);
    }
    hooks.showWaitPanels(false);
    return written;
}

bool IsoExport::write(const QString &imagePath, bool light, ZepError *imageError)
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        if (imageError)
            *imageError = ZepError(ErrorCode::PathFileAccess, folder.errorString());
        return false;
    }
    CompileRequest request = CompileRequest::defaultsFor(m_project);
    request.folder = folder.path();
    request.subMenu = false;
    request.light = light;
    CompileEngine engine(m_project, m_prompter, m_programFolder);
    engine.setRequireMultimediaFiles(m_requireMultimediaFiles);
    if (!engine.compile(request))
        return false;

    IsoImageWriter writer;
    writer.setProgress(m_progress);
    const ZepError error = writer.write(request.folder, imagePath, IsoImageWriter::volumeId(request.projectName));
    if (imageError)
        *imageError = error;
    return !error.isError();
}
