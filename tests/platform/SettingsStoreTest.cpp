#include "platform/SettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SettingsStore, ValueNamesIgnoreCaseAndKeepOneEntry)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"zep.ini"_s);
    {
        SettingsStore store(path);
        store.setValue(u"General"_s, u"langue"_s, u"English"_s);
        store.setValue(u"General"_s, u"Langue"_s, u"Deutsch"_s);
        store.setValue(u"FichiersRecents"_s, u"Fichier1"_s, u"/p/a.zep"_s);
    }
    SettingsStore store(path);
    EXPECT_EQ(store.value(u"General"_s, u"LANGUE"_s), u"Deutsch"_s);
    EXPECT_EQ(store.value(u"FichiersRecents"_s, u"fichier1"_s), u"/p/a.zep"_s);
    EXPECT_EQ(store.value(u"Manuel"_s, u"Chemin"_s, u"-"_s), u"-"_s);
    store.remove(u"General"_s, u"LANGUE"_s);
    EXPECT_FALSE(store.contains(u"General"_s, u"langue"_s));
}
