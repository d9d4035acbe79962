#include "script/CodeBoxText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(CodeBoxText, TextsTravelBetweenScriptAndBox)
{
    EXPECT_EQ(codeboxtext::toBox(u"a\r\nb\r\n"_s), u"a\nb\n"_s);
    EXPECT_EQ(codeboxtext::fromBox(u"a\nb\n"_s), u"a\r\nb\r\n"_s);
    EXPECT_EQ(codeboxtext::fromBox(codeboxtext::toBox(u"x\r\n\r\ny"_s)), u"x\r\n\r\ny"_s);
}

TEST(CodeBoxText, PositionsKeepTheirPlaceAcrossLineBreaks)
{
    const QString script = u"ab\r\ncd\r\n"_s;
    const QString box = codeboxtext::toBox(script);
    EXPECT_EQ(codeboxtext::toBoxPosition(script, 0), 0);
    EXPECT_EQ(codeboxtext::toBoxPosition(script, 2), 2);
    EXPECT_EQ(codeboxtext::toBoxPosition(script, 3), 3); // between CR and LF: after the break
    EXPECT_EQ(codeboxtext::toBoxPosition(script, 4), 3);
    EXPECT_EQ(codeboxtext::toBoxPosition(script, 5), 4);
    EXPECT_EQ(codeboxtext::toBoxPosition(script, 99), box.size());
    EXPECT_EQ(codeboxtext::fromBoxPosition(box, 3), 4);
    EXPECT_EQ(codeboxtext::fromBoxPosition(box, 4), 5);
    EXPECT_EQ(codeboxtext::fromBoxPosition(box, 6), script.size());
    EXPECT_EQ(codeboxtext::fromBoxPosition(box, -1), 0);
}

TEST(CodeBoxText, EveryOtherCharacterComesBackAsItWas)
{
    const QString script = u"a\u00A0b\u2028c\u2029d\re\nf\r\ng\uFDD0h"_s;
    const QString box = codeboxtext::toBox(script);
    EXPECT_EQ(box.count(u'\n'), 1) << "only CR LF is a line of the box";
    EXPECT_EQ(box.size(), script.size() - 1);
    EXPECT_EQ(codeboxtext::fromBox(box), script);
    EXPECT_EQ(codeboxtext::fromBoxPosition(box, box.indexOf(u'g')), script.indexOf(u'g'));
    EXPECT_EQ(codeboxtext::toBoxPosition(script, script.indexOf(u'f')), box.indexOf(u'f'));
}

TEST(CodeBoxText, PastedLineBreaksOfAnyKindBecomeScriptLineBreaks)
{
    EXPECT_EQ(codeboxtext::fromBox(codeboxtext::pastedToBox(u"a\r\nb\nc\rd\u2029e\u00A0"_s)),
              u"a\r\nb\r\nc\r\nd\u2029e\u00A0"_s);
}
