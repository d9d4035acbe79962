#include "build/IsoExport.h"

#include "build/CompileEngine.h"
#include "common/Phrases.h"
#include "prompt/Prompter.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

IsoExport::IsoExport(const MenuProject &project, QString projectFolder, QString programFolder)
    : m_project(project), m_projectFolder(std::move(projectFolder)), m_programFolder(std::move(programFolder))
{
}

std::optional<IsoExport::Request> IsoExport::ask(const MenuProject &project, Prompter &prompter)
{
    const QString defaultName = CompileRequest::defaultProjectName(project);
    Request request;
    request.imagePath =
        prompter.saveFile({Phrases::text(Phrase::SaveIsoImage), Phrases::text(Phrase::IsoImage) + u" | *.iso"_s,
                           (defaultName.isEmpty() ? u"menu"_s : defaultName) + u".iso"_s});
    if (request.imagePath.isEmpty())
        return std::nullopt;
    if (!request.imagePath.endsWith(u".iso"_s, Qt::CaseInsensitive))
        request.imagePath += u".iso"_s;
    const Answer runtime = prompter.message(Phrases::text(Phrase::CopyRuntimeQuestion), QString(),
                                            MessageIcon::Question, MessageButtons::YesNoCancel);
    if (runtime == Answer::Cancel)
        return std::nullopt;
    request.light = runtime == Answer::No;
    return request;
}

CompileOutcome IsoExport::run(const Request &request)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return CompileOutcome::failed(ZepError(ErrorCode::PathFileAccess, folder.errorString()));
    CompileRequest compile = CompileRequest::defaultsFor(m_project);
    compile.folder = folder.path();
    compile.subMenu = false;
    compile.light = request.light;
    CompileEngine engine(m_project, m_projectFolder, m_programFolder);
    engine.setRequireMultimediaFiles(m_requireMultimediaFiles);
    engine.setProgress(m_compileProgress);
    if (const CompileOutcome compiled = engine.compile(compile); !compiled.isWritten())
        return compiled;

    IsoImageWriter writer;
    writer.setProgress(m_progress);
    const ZepError error =
        writer.write(compile.folder, request.imagePath, IsoImageWriter::volumeId(compile.projectName));
    if (error.isError())
        return CompileOutcome::failed(error);
    return CompileOutcome::written({Phrases::text(Phrase::IsoImageCreated), u"ZEP"_s, MessageIcon::Information});
}
