#include "build/TestRun.h"

#include "build/CompileEngine.h"
#include "build/TestRunHooks.h"
#include "common/Phrases.h"

#include <QDir>

using namespace Qt::StringLiterals;

TestRun::TestRun(const MenuProject &project, QString projectFolder, QString programFolder, TestRunHooks &hooks)
    : m_project(project), m_projectFolder(std::move(projectFolder)), m_programFolder(std::move(programFolder)),
      m_hooks(hooks)
{
    if (!m_programFolder.endsWith(u'/'))
        m_programFolder += u'/';
}

void TestRun::clearTestFolder()
{
    for (const QString &folder : {testFolder() + u"zep"_s, testFolder().chopped(1)}) {
        QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            dir.remove(name);
        QDir().rmdir(folder);
    }
    QDir().mkpath(testFolder());
}

CompileOutcome TestRun::run()
{
    m_hooks.prepareForBuild();
    m_hooks.showWaitPanels(true);

    CompileEngine engine(m_project, m_projectFolder, m_programFolder);
    engine.setRequireMultimediaFiles(m_requireMultimediaFiles);
    // The test folder is the program's own: what emptying it left is replaced unasked.
    engine.setReplaceDecision([](const QString &) { return true; });
    CompileRequest request = CompileRequest::defaultsFor(m_project);
    clearTestFolder();
    request.folder = testFolder();
    request.projectName = u"TEST"_s;
    request.author = u"TEST"_s;
    request.light = false;
    request.player = CompileRequest::kLinuxPlayer;
    const CompileOutcome compiled = engine.compile(request);

    m_hooks.showWaitPanels(false);
    if (!compiled.isWritten())
        return compiled;
    m_hooks.minimizeWorksheet();
    const ZepError error = m_hooks.showTestWindow(playerPath());
    // The worksheet is restored on a failed start too, so the designer is not left minimized.
    m_hooks.restoreWorksheet();
    if (error.isError()) {
        m_hooks.showWaitPanels(false);
        return CompileOutcome::failed({Phrases::text(Phrase::TestRunError), error.description, MessageIcon::Critical});
    }
    return compiled;
}
