// Typing in the script editor with a 50,000-character script: one keystroke through the
// code box, the write-back into the project, the highlighter, the scheduled passes and
// the repaint.
#include "SampleScript.h"
#include "document/DesignerDocument.h"
#include "prompt/gui/QtPrompter.h"
#include "script/ScriptFormatter.h"
#include "script/gui/CodeBox.h"
#include "script/gui/ScriptEditorWindow.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

struct EditorUnderTest
{
    EditorUnderTest() : window(document, prompter, [] {})
    {
        // The passes run as soon as the keystroke is handled, so they are timed with it.
        for (const QString &name : {u"minuteur_format"_s, u"minuteur_procedures"_s})
            window.findChild<QTimer *>(name)->setInterval(0);
        window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
        code = window.findChild<CodeBox *>(u"code"_s);
        code->setScript(sampleScript());
        code->setCaret(25000);
        code->setFocus();
        QCoreApplication::processEvents();
    }

    QtPrompter prompter;
    DesignerDocument document{prompter, QString()};
    ScriptEditorWindow window;
    CodeBox *code = nullptr;
};

void typeCharacter(benchmark::State &state)
{
    EditorUnderTest editor;
    for (auto _ : state) {
        QTest::keyClick(editor.code, Qt::Key_X);
        QCoreApplication::processEvents();
        state.PauseTiming();
        QTest::keyClick(editor.code, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (editor.document.project().settings().globalCode.size() != 50000)
        state.SkipWithError("the script was not written back");
}

// Enter with the formatter on, in an unformatted script (every line changes) and in a
// formatted one (only the typed line may change).
void pressEnter(benchmark::State &state, bool formatted)
{
    EditorUnderTest editor;
    const QString unformatted = sampleScript().left(49000);
    const QString script = formatted ? scriptformatter::format(unformatted) : unformatted;
    editor.code->setScript(script);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        if (!formatted)
            editor.code->setScript(script);
        editor.code->setCaret(script.indexOf(u"\r\n"_s, 25000));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(editor.code, Qt::Key_Return);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (formatted)
            QTest::keyClick(editor.code, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(typeCharacter)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pressEnter, unformattedScript, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pressEnter, formattedScript, true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
