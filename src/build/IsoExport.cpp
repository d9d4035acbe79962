#include "build/IsoExport.h"

#include "build/BuildHooks.h"
#include "build/CompileEngine.h"
#include "common/Phrases.h"
#include "prompt/Prompter.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

IsoExport::IsoExport(const MenuProject &project, QString projectFolder, Prompter &prompter, QString programFolder)
    : m_project(project), m_projectFolder(std::move(projectFolder)), m_prompter(prompter),
      m_programFolder(std::move(programFolder))
{
}

CompileOutcome IsoExport::run(BuildHooks &hooks)
{
    hooks.prepareForBuild();
    hooks.showWaitPanels(true);
    const QString defaultName = CompileRequest::defaultProjectName(m_project);
    QString image =
        m_prompter.saveFile({Phrases::text(Phrase::SaveIsoImage), Phrases::text(Phrase::IsoImage) + u" | *.iso"_s,
                             (defaultName.isEmpty() ? u"menu"_s : defaultName) + u".iso"_s});
    CompileOutcome outcome = CompileOutcome::declined();
    if (!image.isEmpty()) {
        if (!image.endsWith(u".iso"_s, Qt::CaseInsensitive))
            image += u".iso"_s;
        const Answer runtime = m_prompter.message(Phrases::text(Phrase::CopyRuntimeQuestion), QString(),
                                                  MessageIcon::Question, MessageButtons::YesNoCancel);
        if (runtime != Answer::Cancel)
            outcome = write(image, runtime == Answer::No);
    }
    hooks.showWaitPanels(false);
    return outcome;
}

CompileOutcome IsoExport::write(const QString &imagePath, bool light)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return CompileOutcome::failed(ZepError(ErrorCode::PathFileAccess, folder.errorString()));
    CompileRequest request = CompileRequest::defaultsFor(m_project);
    request.folder = folder.path();
    request.subMenu = false;
    request.light = light;
    CompileEngine engine(m_project, m_projectFolder, m_programFolder);
    engine.setRequireMultimediaFiles(m_requireMultimediaFiles);
    if (const CompileOutcome compiled = engine.compile(request); !compiled.isWritten())
        return compiled;

    IsoImageWriter writer;
    writer.setProgress(m_progress);
    const ZepError error = writer.write(request.folder, imagePath, IsoImageWriter::volumeId(request.projectName));
    if (error.isError())
        return CompileOutcome::failed(error);
    return CompileOutcome::written({Phrases::text(Phrase::IsoImageCreated), u"ZEP"_s, MessageIcon::Information});
}
