#include "build/HtmlLauncher.h"
#include "build/MenuPicture.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "prompt/ConsolePrompter.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

const QString kExampleFolder = QStringLiteral(ZEP_SOURCE_DIR "/examples/demo/");

// The picture every "Imprimer" entry and zepc image start from: the bundled example.
void BM_MenuPictureOfTheExample(benchmark::State &state)
{
    MenuProject project;
    ConsolePrompter prompter;
    if (!ProjectStorage(project, prompter).open(kExampleFolder + u"demo.zep"_s))
        state.SkipWithError("the example cannot be read");
    for (auto _ : state)
        benchmark::DoNotOptimize(MenuPicture(project, kExampleFolder).render());
}
BENCHMARK(BM_MenuPictureOfTheExample)->Unit(benchmark::kMillisecond);

void BM_HtmlLauncherPage(benchmark::State &state)
{
    MenuProject project;
    project.setSize(9610, 7205);
    for (auto _ : state)
        benchmark::DoNotOptimize(HtmlLauncher(project).page());
}
BENCHMARK(BM_HtmlLauncherPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
