#include "build/CompileEngine.h"
#include "common/PathText.h"
#include "project/MenuProject.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QString kProgramFolder = QStringLiteral(ZEP_PROGRAM_DIR);

void writeFile(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    QByteArray chunk(1 << 20, 'z');
    for (qint64 written = 0; written < size; written += chunk.size())
        file.write(chunk.constData(), qMin<qint64>(chunk.size(), size - written));
}

// A project with 100 MB of media: background, music, two sounds and ten buttons.
struct MediaProject
{
    QTemporaryDir dir;
    MenuProject project;
    QStringList sources;

    MediaProject()
    {
        const QDir folder(dir.path());
        const auto media = [&](const QString &name, qint64 size) {
            writeFile(folder.filePath(name), size);
            sources << folder.filePath(name);
            return name;
        };
        project.setPath(folder.filePath(u"media.zep"_s));
        ProjectSettings settings = project.settings();
        settings.backgroundImage = media(u"fond.jpg"_s, 10'000'000);
        settings.backgroundMusic = media(u"musique.mp3"_s, 30'000'000);
        settings.clickSound = media(u"clic.wav"_s, 5'000'000);
        settings.hoverSound = media(u"survol.wav"_s, 5'000'000);
        project.setSettings(settings);
        for (int i = 1; i <= 10; ++i) {
            const int slot = project.addButton(ButtonKind::Quit);
            MenuButton b = project.button(slot);
            const QString n = QString::number(i);
            b.normalImage = media(u"b"_s + n + u".bmp"_s, 1'666'667);
            b.hoverImage = media(u"b"_s + n + u"s.bmp"_s, 1'666'667);
            b.clickImage = media(u"b"_s + n + u"c.bmp"_s, 1'666'666);
            project.setButton(slot, b);
        }
        for (const QString &name : CompileEngine::runtimeFiles())
            sources << kProgramFolder + u'/' + name;
        for (const QString &name : {u"compil.exe"_s, u"install.bat"_s, u"autorun.ico"_s})
            sources << kProgramFolder + u'/' + name;
        QDir().mkpath(folder.filePath(u"cd"_s));
        QDir().mkpath(folder.filePath(u"cp"_s));
    }
};

MediaProject &mediaProject()
{
    static MediaProject project;
    return project;
}

void BM_Compile100MB(benchmark::State &state)
{
    MediaProject &m = mediaProject();
    CompileEngine engine(m.project, pathtext::folderOf(m.project.path()), kProgramFolder);
    engine.setReplaceDecision([](const QString &) { return true; });
    for (auto _ : state) {
        CompileRequest request = CompileRequest::defaultsFor(m.project);
        request.folder = m.dir.filePath(u"cd"_s);
        if (!engine.compile(request).isWritten())
            state.SkipWithError("compilation failed");
    }
    state.SetBytesProcessed(state.iterations() * 100'000'000);
}
BENCHMARK(BM_Compile100MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CpSameFiles(benchmark::State &state)
{
    MediaProject &m = mediaProject();
    QString command = u"cp"_s;
    for (const QString &source : m.sources)
        command += u" '"_s + source + u'\'';
    command += u" '"_s + m.dir.filePath(u"cp/"_s) + u'\'';
    const QByteArray line = command.toLocal8Bit();
    for (auto _ : state) {
        if (std::system(line.constData()) != 0)
            state.SkipWithError("cp failed");
    }
    state.SetBytesProcessed(state.iterations() * 100'000'000);
}
BENCHMARK(BM_CpSameFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the start of the player process to its exit right after its first frame
// (offscreen), so the figure includes start-up and shutdown.
void BM_PlayerFirstFrame(benchmark::State &state)
{
    static QTemporaryDir dir;
    static bool compiled = false;
    if (!compiled) {
        QProcess zepc;
        const QString demo = dir.filePath(u"demo"_s);
        QDir().mkpath(demo);
        const QDir source(QStringLiteral(ZEP_SOURCE_DIR "/examples/demo"));
        for (const QString &name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), demo + u'/' + name);
        QDir().mkpath(dir.filePath(u"cd"_s));
        zepc.start(kProgramFolder + u"/zepc"_s, {u"compile"_s, demo + u"/demo.zep"_s, dir.filePath(u"cd"_s), u"--linux"_s});
        zepc.waitForFinished(60000);
        compiled = zepc.exitCode() == 0;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME"_s, u"1"_s);
    for (auto _ : state) {
        QProcess player;
        player.setProcessEnvironment(env);
        player.start(dir.filePath(u"cd/zep/autorun.exe"_s), {});
        if (!player.waitForFinished(30000) || player.exitCode() != 0)
            state.SkipWithError("player failed");
    }
}
BENCHMARK(BM_PlayerFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
