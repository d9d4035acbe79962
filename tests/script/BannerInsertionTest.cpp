#include "script/BannerInsertion.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString NL = u"\r\n"_s;

QStringList lines(const QString &text)
{
    return text.split(NL);
}

} // namespace

TEST(BannerInsertion, EvenTitleGetsASpaceAndBothBannersAreSixtyCharacters)
{
    const QString block = bannerBlock(u"Fermer"_s, u"Action.Text = \"Fermer\""_s);
    const QStringList parts = lines(block);
    ASSERT_EQ(parts.size(), 5);
    EXPECT_EQ(parts[0], QString());
    EXPECT_EQ(parts[1], u"'"_s + QString(26, u'#') + u"Fermer "_s + QString(26, u'#'));
    EXPECT_EQ(parts[2], u"Action.Text = \"Fermer\""_s);
    EXPECT_EQ(parts[3], u"'"_s + QString(24, u'#') + u"Fin fermer "_s + QString(24, u'#'));
    EXPECT_EQ(parts[4], QString());
    EXPECT_EQ(parts[1].size(), 60);
    EXPECT_EQ(parts[3].size(), 60);
}

TEST(BannerInsertion, OddTitlesKeepTheirLengthAndLongTitlesGetNoFill)
{
    for (const QString &title : {u"Police"_s, u"Boite de dialogue"_s, u"Changer curseur (bouton12)"_s,
                                 u"Changer couleur fond Texte"_s + QString(29, u'9')}) {
        const QStringList parts = lines(bannerBlock(title, u"x"_s));
        EXPECT_EQ(parts[1].size(), 60) << title.toStdString();
        EXPECT_EQ(parts[3].size(), 60) << title.toStdString();
    }
    // 57 characters: the closing fill would be negative; it stays empty.
    const QString longTitle = u"Changer couleur fond Texte"_s + QString(31, u'1');
    const QStringList parts = lines(bannerBlock(longTitle, u"x"_s));
    EXPECT_EQ(parts[1], u"'#"_s + longTitle + u"#"_s);
    EXPECT_EQ(parts[3], u"'Fin "_s + longTitle.toLower());
    const QString huge(200, u'A');
    EXPECT_EQ(lines(bannerBlock(huge, u"x"_s))[1], u"'"_s + huge + u' ');
}

TEST(BannerInsertion, BlockGoesAtTheCaretAndReplacesTheSelection)
{
    const Snippet snippet{u"Fermer"_s, u"X"_s};
    const QString block = bannerBlock(snippet.title, snippet.code);

    EditorText inLine{u"abc"_s + NL + u"def"_s, 1, 0};
    const EditorText inserted = insertWithBanner(inLine, snippet);
    EXPECT_EQ(inserted.text, u"a"_s + block + u"bc"_s + NL + u"def"_s);
    EXPECT_TRUE(inserted.text.startsWith(u"a\r\n'###"_s));
    EXPECT_EQ(inserted.selectionStart, 1 + block.size());
    EXPECT_EQ(inserted.selectionLength, 0);

    const EditorText selected = insertWithBanner({u"abcdef"_s, 2, 3}, snippet);
    EXPECT_EQ(selected.text, u"ab"_s + block + u"f"_s);

    EXPECT_EQ(insertWithBanner({QString(), 0, 0}, snippet).text, block);
    EXPECT_EQ(insertWithBanner({u"ab"_s, 9, 4}, snippet).text, u"ab"_s + block);
}
