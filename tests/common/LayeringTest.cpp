#include "support/TestFiles.h"

#include <QDirIterator>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Graph = QMap<QString, QSet<QString>>;

// The library a source file belongs to: its folder under src/, the designer's
// sub-folders counting as the designer.
QString moduleOf(const QString &pathInSrc)
{
    const QString folder = pathInSrc.left(qMax(0, int(pathInSrc.lastIndexOf(u'/'))));
    return folder.startsWith(u"designer/"_s) ? u"designer"_s : folder;
}

Graph includedModules()
{
    const QString src = testfiles::dataPath(u"../../src/"_s);
    static const QRegularExpression include(u"^\\s*#\\s*include\\s+\"([^\"]+/[^\"]+)\""_s);
    Graph edges;
    QDirIterator files(src, {u"*.h"_s, u"*.cpp"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString from = moduleOf(file.mid(src.size()));
        const QStringList lines = QString::fromUtf8(testfiles::readBytes(file)).split(u'\n');
        for (const QString &line : lines) {
            const QRegularExpressionMatch m = include.match(line);
            if (!m.hasMatch() || !QFileInfo::exists(src + m.captured(1)))
                continue;
            const QString to = moduleOf(m.captured(1));
            if (to != from)
                edges[from].insert(to);
        }
    }
    return edges;
}

// The "```layering" block of docs/architecture.md: "module: allowed allowed …".
Graph allowedModules()
{
    const QStringList lines =
        QString::fromUtf8(testfiles::readBytes(testfiles::dataPath(u"../../docs/architecture.md"_s))).split(u'\n');
    Graph allowed;
    bool inside = false;
    for (const QString &line : lines) {
        if (line.startsWith(u"```"_s)) {
            inside = line == u"```layering"_s;
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        if (inside && colon > 0) {
            const QStringList to = line.mid(colon + 1).split(u' ', Qt::SkipEmptyParts);
            allowed[line.left(colon)] = QSet<QString>(to.begin(), to.end());
        }
    }
    return allowed;
}

bool reaches(const Graph &graph, const QString &from, const QString &to, QSet<QString> &seen)
{
    for (const QString &next : graph.value(from)) {
        if (next == to || (!seen.contains(next) && (seen.insert(next), reaches(graph, next, to, seen))))
            return true;
    }
    return false;
}

} // namespace

TEST(Layering, EveryIncludeBetweenLibrariesIsOneTheHousePlanAllows)
{
    const Graph allowed = allowedModules();
    ASSERT_FALSE(allowed.isEmpty()) << "no layering block in docs/architecture.md";
    const Graph edges = includedModules();
    ASSERT_FALSE(edges.isEmpty());
    for (auto it = edges.begin(); it != edges.end(); ++it) {
        for (const QString &to : it.value())
            EXPECT_TRUE(allowed.value(it.key()).contains(to)) << qPrintable(it.key()) << " includes " << qPrintable(to);
    }
}

TEST(Layering, TheAllowedIncludesHaveNoCycleAndCoreNeverReachesAWindow)
{
    const Graph allowed = allowedModules();
    // Libraries that may show windows; everything else is core.
    static const QSet<QString> windowed{u"app"_s,    u"about"_s,  u"designer"_s,  u"player/qt"_s,
                                        u"player"_s, u"setup"_s,  u"setup/gui"_s, u"player/win32"_s};
    for (auto it = allowed.begin(); it != allowed.end(); ++it) {
        QSet<QString> seen;
        EXPECT_FALSE(reaches(allowed, it.key(), it.key(), seen)) << qPrintable(it.key()) << " is in a cycle";
        const bool core = !it.key().endsWith(u"/gui"_s) && !windowed.contains(it.key());
        for (const QString &to : it.value()) {
            EXPECT_FALSE(core && (to.endsWith(u"/gui"_s) || windowed.contains(to)))
                << qPrintable(it.key()) << " is core but may include " << qPrintable(to);
        }
    }
}
