#include "common/Cp1252.h"
#include "common/Fold.h"
#include "common/LineReader.h"
#include "common/LineWriter.h"
#include "common/NumberText.h"
#include "common/PathText.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
}

TEST(Cp1252, ReservedCharactersAndSpecialsMapToTheirBytes)
{
    EXPECT_EQ(cp1252::encode(u"¤¬é€œ"_s), QByteArray("\xA4\xAC\xE9\x80\x9C"));
    EXPECT_EQ(cp1252::decode("\x80\x92"), u"€’"_s);
    EXPECT_EQ(cp1252::encode(u"a\u4E2Db\U0001F600"_s), QByteArray("a?b??"));
}

TEST(NumberText, NumberLinesPutTheSignInTheLeadingSpace)
{
    EXPECT_EQ(numtext::numberLine(200), u" 200 "_s);
    EXPECT_EQ(numtext::numberLine(0), u" 0 "_s);
    EXPECT_EQ(numtext::numberLine(-45), u"-45 "_s);
    EXPECT_EQ(numtext::numberLine(16777215), u" 16777215 "_s);
    EXPECT_EQ(numtext::numberLine(1172.25), u" 1172.25 "_s);
    EXPECT_EQ(numtext::numberLine(-0.0), u" 0 "_s);
    EXPECT_EQ(numtext::numberLine(10000000), u" 10000000 "_s);
    EXPECT_EQ(numtext::numberLine(-2147483633), u"-2147483633 "_s);
    // Single precision: what was held as a single reads back as itself.
    EXPECT_EQ(numtext::numberLine(0.95f * 12000.0f), u" 11400 "_s);
    EXPECT_EQ(numtext::numberLine(double(0.1f)), u" 0.1 "_s);
}

TEST(NumberText, ValTakesTheLeadingNumber)
{
    EXPECT_EQ(numtext::val(u" 200 "), 200);
    EXPECT_EQ(numtext::val(u"-45 "), -45);
    EXPECT_EQ(numtext::val(u"  1 2 3abc"), 123);
    EXPECT_EQ(numtext::val(u"1.5e2x"), 150);
    EXPECT_EQ(numtext::val(u"'para5"), 0);
    EXPECT_EQ(numtext::val(u""), 0);
    EXPECT_EQ(numtext::val(u"&HFF"), 255);
    EXPECT_EQ(numtext::val(u"&HFFFF"), -1);
    EXPECT_EQ(numtext::val(u"&o17"), 15);
    EXPECT_EQ(numtext::val(u"2.7.5"), 2.7);
    EXPECT_EQ(numtext::val(u"-"), 0);
}

TEST(NumberText, StrictParseRefusesTrailingText)
{
    double v = -1;
    EXPECT_TRUE(numtext::parse(u" 16777215 ", &v));
    EXPECT_EQ(v, 16777215);
    EXPECT_TRUE(numtext::parse(u"-0.5", &v));
    EXPECT_EQ(v, -0.5);
    EXPECT_FALSE(numtext::parse(u"12px", &v));
    EXPECT_FALSE(numtext::parse(u"", &v));
    EXPECT_FALSE(numtext::parse(u"   ", &v));
    EXPECT_FALSE(numtext::parse(u"'para3", &v));
    EXPECT_FALSE(numtext::parse(u"1 2", &v));
    EXPECT_EQ(v, -0.5);
}

TEST(Fold, BlankLinesSurviveFoldingBothWays)
{
    const QString code = u"a\r\n\r\nb\r\n"_s;
    EXPECT_EQ(fold::fold(code), u"a¤¤b¤"_s);
    EXPECT_EQ(fold::unfold(fold::fold(code)), code);
}

TEST(LineFiles, ReaderAcceptsEveryLineEndAndWriterWritesCrLf)
{
    LineReader reader("one\r\ntwo\nthree\rfour\xA4\r\n\r\nlast");
    QStringList lines;
    QString line;
    while (reader.next(&line))
        lines << line;
    EXPECT_EQ(lines, (QStringList{u"one"_s, u"two"_s, u"three"_s, u"four¤"_s, u""_s, u"last"_s}));
    EXPECT_EQ(reader.lineNumber(), 6);

    LineWriter writer;
    writer.line(u"é¤").number(-3).line(u"");
    EXPECT_EQ(writer.bytes(), QByteArray("\xE9\xA4\r\n-3 \r\n\r\n"));
}

TEST(PathText, BothSeparatorsSplitFolderAndName)
{
    EXPECT_EQ(pathtext::folderOf(u"C:\\img\\btn.gif"_s), u"C:\\img\\"_s);
    EXPECT_EQ(pathtext::nameOf(u"C:\\img/btn.gif"_s), u"btn.gif"_s);
    EXPECT_EQ(pathtext::folderOf(u"btn.gif"_s), u""_s);
    EXPECT_EQ(pathtext::nameOf(u"/a/b/"_s), u""_s);
    EXPECT_FALSE(pathtext::hasSeparator(u"btn.gif"));
    EXPECT_EQ(pathtext::resolve(u"/p/"_s, u"img\\a.bmp"_s), u"/p/img/a.bmp"_s);
    EXPECT_EQ(pathtext::resolve(u"/p/"_s, u"/abs/a.bmp"_s), u"/abs/a.bmp"_s);
}
