#include "app/core/RecentFiles.h"

#include "platform/SettingsStore.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class RecentFilesTest : public ::testing::Test
{
protected:
    QStringList stored()
    {
        QStringList values;
        for (int n = 1; n <= 5; ++n)
            values.append(store.value(u"FichiersRecents"_s, u"Fichier"_s + QString::number(n)));
        return values;
    }
    QStringList shown()
    {
        QStringList paths;
        for (const RecentFiles::Entry &e : recent.entries())
            paths.append(e.path);
        return paths;
    }
    void set(int n, const QString &path)
    {
        store.setValue(u"FichiersRecents"_s, u"Fichier"_s + QString::number(n), path);
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"zep.ini"_s)};
    RecentFiles recent{store};
};

} // namespace

TEST_F(RecentFilesTest, EmptyStoreShowsThePlaceholderAndTheFirstPathGoesToFichier1)
{
    EXPECT_TRUE(recent.entries().isEmpty());
    EXPECT_EQ(RecentFiles::placeholderCaption(), u"Aucun fichier récent"_s);

    QSignalSpy changed(&recent, &RecentFiles::changed);
    RecentFilesSink &sink = recent;
    sink.add(u"/p/a.zep"_s);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(stored(), (QStringList{u"/p/a.zep"_s, {}, {}, {}, {}}));

    // Opening the same project again changes nothing.
    sink.add(u"/p/a.zep"_s);
    EXPECT_EQ(changed.count(), 1);
    // Exactly the same path only.
    sink.add(u"/p/A.zep"_s);
    EXPECT_EQ(shown(), (QStringList{u"/p/a.zep"_s, u"/p/A.zep"_s}));
}

TEST_F(RecentFilesTest, NewPathsGoAfterTheLastAndTheSixthDropsTheOldest)
{
    for (const char16_t *p : {u"/1.zep", u"/2.zep", u"/3.zep", u"/4.zep", u"/5.zep"})
        recent.add(QString::fromUtf16(p));
    EXPECT_EQ(stored(), (QStringList{u"/1.zep"_s, u"/2.zep"_s, u"/3.zep"_s, u"/4.zep"_s, u"/5.zep"_s}));

    recent.add(u"/3.zep"_s);
    EXPECT_EQ(stored(), (QStringList{u"/1.zep"_s, u"/2.zep"_s, u"/3.zep"_s, u"/4.zep"_s, u"/5.zep"_s}));

    recent.add(u"/6.zep"_s);
    EXPECT_EQ(stored(), (QStringList{u"/2.zep"_s, u"/3.zep"_s, u"/4.zep"_s, u"/5.zep"_s, u"/6.zep"_s}));
    recent.add(u"/7.zep"_s);
    EXPECT_EQ(shown(), (QStringList{u"/3.zep"_s, u"/4.zep"_s, u"/5.zep"_s, u"/6.zep"_s, u"/7.zep"_s}));

    // The list lives in the store, not in the object.
    RecentFiles again(store);
    EXPECT_EQ(again.entries().back().number, 5);
    EXPECT_EQ(again.entries().back().path, u"/7.zep"_s);
}

TEST_F(RecentFilesTest, PlaceholderHidesLaterValuesAndTheNewPathTakesFichier1)
{
    set(2, u"/old.zep"_s);
    EXPECT_TRUE(recent.entries().isEmpty());
    recent.add(u"/new.zep"_s);
    EXPECT_EQ(stored(), (QStringList{u"/new.zep"_s, u"/old.zep"_s, {}, {}, {}}));
    EXPECT_EQ(shown(), (QStringList{u"/new.zep"_s, u"/old.zep"_s}));
}

TEST_F(RecentFilesTest, AGapLeftByHandIsFilledWithoutLosingTheEntriesAfterIt)
{
    set(1, u"/a.zep"_s);
    set(3, u"/c.zep"_s);
    const QList<RecentFiles::Entry> entries = recent.entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1].number, 3);

    recent.add(u"/d.zep"_s);
    EXPECT_EQ(stored(), (QStringList{u"/a.zep"_s, u"/d.zep"_s, u"/c.zep"_s, {}, {}}));
}

TEST_F(RecentFilesTest, CaptionsShortenPathsLongerThanTenCharacters)
{
    EXPECT_EQ(RecentFiles::captionFor(u"/a/b/c.zep"_s), u"/a/b/c.zep"_s);
    EXPECT_EQ(RecentFiles::captionFor(u"/a/b/cd.zep"_s), u"/a/b/cd.ze.../cd.zep"_s);
    EXPECT_EQ(RecentFiles::captionFor(u"/home/moi/projets/menu.zep"_s), u"/home/moi/.../menu.zep"_s);
    EXPECT_EQ(RecentFiles::captionFor(u"C:\\Mes projets\\menu.zep"_s), u"C:\\Mes pro.../menu.zep"_s);

    set(1, u"/home/moi/projets/menu.zep"_s);
    EXPECT_EQ(recent.entries().front(),
              (RecentFiles::Entry{1, u"/home/moi/projets/menu.zep"_s, u"/home/moi/.../menu.zep"_s}));
}

TEST_F(RecentFilesTest, MissingFileMessage)
{
    EXPECT_EQ(RecentFiles::missingFileMessage(u"/p/parti.zep"_s),
              (MessageRequest{u"Le fichier '/p/parti.zep' est introuvable !"_s, u"Erreur de chargement"_s,
                              MessageIcon::Critical}));
}
