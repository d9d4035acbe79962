#include "common/Phrases.h"
#include "support/TestFiles.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList sourceLines(const QString &path, const QString &separator)
{
    return QString::fromUtf8(testfiles::readBytes(testfiles::dataPath(path))).split(separator);
}

} // namespace

TEST(PhraseTable, NumbersAscendAndTheEnglishPackAndTheDocsGiveEachOne)
{
    const QList<Phrases::Entry> &table = Phrases::table();
    for (qsizetype i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].number, table[i].number) << "after phrase " << table[i - 1].number;

    // One "Liste.AddItem" line per number, in order; the code's phrases say something.
    const QStringList pack = sourceLines(u"../../packaging/langues/English/phrases.lge"_s, u"\r\n"_s);
    static const QRegularExpression item(u"^Liste\\.AddItem (.+) ' (\\d+)$"_s);
    QList<QString> english;
    for (const QString &line : pack) {
        const QRegularExpressionMatch m = item.match(line);
        if (m.hasMatch()) {
            EXPECT_EQ(m.captured(2).toInt(), english.size()) << qPrintable(line);
            english.append(m.captured(1));
        }
    }
    QSet<int> documented;
    static const QRegularExpression row(u"^\\| (\\d+) \\| \""_s);
    for (const QString &line : sourceLines(u"../../docs/language-packs.md"_s, u"\n"_s)) {
        if (const QRegularExpressionMatch m = row.match(line); m.hasMatch())
            documented.insert(m.captured(1).toInt());
    }
    for (const Phrases::Entry &entry : table) {
        ASSERT_LT(entry.number, english.size()) << "phrase " << entry.number << " missing from the English pack";
        EXPECT_NE(english[entry.number], u"\"\""_s) << "phrase " << entry.number << " empty in the English pack";
        EXPECT_TRUE(documented.contains(entry.number)) << "phrase " << entry.number << " missing from the docs";
    }
}

TEST(PhraseTable, EachNumberHasOneNameAndOneText)
{
    // The enum is read as text: the compiler accepts two names for one number.
    static const QRegularExpression value(u"^    (\\w+) = (\\d+),$"_s);
    QSet<int> named;
    for (const QString &line : sourceLines(u"../../src/common/Phrase.h"_s, u"\n"_s)) {
        if (const QRegularExpressionMatch m = value.match(line); m.hasMatch()) {
            const int number = m.captured(2).toInt();
            EXPECT_FALSE(named.contains(number)) << "phrase " << number << " named twice";
            named.insert(number);
        }
    }
    QSet<int> listed;
    for (const Phrases::Entry &entry : Phrases::table())
        listed.insert(entry.number);
    EXPECT_EQ(listed.size(), Phrases::table().size());
    EXPECT_EQ(named, listed);
    EXPECT_EQ(Phrases::text(Phrase::CompileDone), u"Terminé."_s);
}
