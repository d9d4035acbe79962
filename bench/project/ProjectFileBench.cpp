// Reading and writing a large project, pictures not decoded.
#include "project/MenuProject.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

ZepError noPictures(const QString &)
{
    return {};
}

class GoOn : public ReadProblemHandler
{
public:
    bool continueReading(const ReadProblem &) override { return true; }
};

void fillLargeProject(MenuProject &project)
{
    QString script;
    while (script.size() < 5000)
        script += u"If Bouton1.Left > 200 Then MsgBox \"Déplacé : \" & Bouton1.Left\r\n"_s;
    ProjectSettings settings = project.settings();
    settings.globalCode = script;
    project.setSettings(settings);
    for (int i = 1; i <= 99; ++i) {
        const int slot = project.addButton(ButtonKind::Code);
        MenuButton b = project.button(slot);
        b.normalImage = u"/media/menu/images/bouton%1.bmp"_s.arg(i);
        b.hoverImage = u"/media/menu/images/bouton%1_survol.bmp"_s.arg(i);
        b.clickImage = u"/media/menu/images/bouton%1_clic.bmp"_s.arg(i);
        b.code = script;
        b.left = 15.0f * i;
        project.setButton(slot, b);
    }
    for (int i = 1; i <= 2000; ++i)
        project.addText();
    QList<ShapePoint> shape;
    for (int i = 0; i < 500; ++i)
        shape.append({i * 3, (i * 7) % 600});
    project.setShapeVertices(shape);
}

const QByteArray &largeFile()
{
    static const QByteArray bytes = [] {
        MenuProject project;
        fillLargeProject(project);
        return ProjectWriter(project).toBytes(u"/nonexistent/menu.zep"_s);
    }();
    return bytes;
}

void BM_WriteLargeProject(benchmark::State &state)
{
    MenuProject project;
    fillLargeProject(project);
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = ProjectWriter(project).toBytes(u"/nonexistent/menu.zep"_s);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_ReadLargeProject(benchmark::State &state)
{
    const QByteArray &bytes = largeFile();
    GoOn problems;
    for (auto _ : state) {
        ProjectContent content;
        ProjectReader reader(content, problems, noPictures);
        benchmark::DoNotOptimize(reader.read(bytes, u"/nonexistent"_s));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

BENCHMARK(BM_WriteLargeProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLargeProject)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
