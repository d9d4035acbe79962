#include "script/ProcedureList.h"
#include "script/ScriptFormatter.h"
#include "script/VbsHighlightRules.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString NL = u"\r\n"_s;

QString formatLine(const QString &line)
{
    return scriptformatter::format(line);
}

} // namespace

TEST(ScriptFormatter, SpacesOperatorsOutsideStringsAndComments)
{
    EXPECT_EQ(formatLine(u"a=b+1"_s), u"a = b + 1"_s);
    EXPECT_EQ(formatLine(u"If a<>b Then"_s), u"If a <> b Then"_s);
    EXPECT_EQ(formatLine(u"a<=b"_s), u"a <= b"_s);
    EXPECT_EQ(formatLine(u"a>=b"_s), u"a >= b"_s);
    EXPECT_EQ(formatLine(u"x = -1"_s), u"x =  - 1"_s);
    EXPECT_EQ(formatLine(u"c=a&b\\2*3/4"_s), u"c = a & b \\ 2 * 3 / 4"_s);
    // The first and last characters of a line are never spaced.
    EXPECT_EQ(formatLine(u"a="_s), u"a="_s);
    EXPECT_EQ(formatLine(u"=a+"_s), u"=a+"_s);
    EXPECT_EQ(formatLine(u"s=\"a=b\"+t ' x=y"_s), u"s = \"a=b\" + t ' x=y"_s);
    // Doubled quotes close and reopen the string.
    EXPECT_EQ(formatLine(u"s=\"a\"\"b=c\"\"\"&d"_s), u"s = \"a\"\"b=c\"\"\" & d"_s);
    // An apostrophe inside a string starts a comment as well.
    EXPECT_EQ(formatLine(u"MsgBox \"l'eau=1\" & a&b"_s), u"MsgBox \"l'eau=1\" & a&b"_s);
}

TEST(ScriptFormatter, CapitalAfterDotOutsideStringsAndComments)
{
    EXPECT_EQ(formatLine(u"fenetre.caption = 3"_s), u"fenetre.Caption = 3"_s);
    EXPECT_EQ(formatLine(u"x = \"fenetre.caption\""_s), u"x = \"fenetre.caption\""_s);
    EXPECT_EQ(formatLine(u"'fenetre.caption"_s), u"'fenetre.caption"_s);
    EXPECT_EQ(formatLine(u"a.b.c=3.5"_s), u"a.B.C = 3.5"_s);
    EXPECT_EQ(formatLine(u"bouton1.mousePointer=é.à"_s), u"bouton1.MousePointer = é.À"_s);
}

TEST(ScriptFormatter, TrimsEveryLineAndKeepsLineBreaks)
{
    EXPECT_EQ(scriptformatter::format(u"  If a Then"_s + NL + u"     b=1   "_s + NL + u"  End If  "_s + NL),
              u"If a Then"_s + NL + u"b = 1"_s + NL + u"End If"_s + NL);
    EXPECT_EQ(scriptformatter::format(NL + NL), NL + NL);
    EXPECT_EQ(scriptformatter::format(QString()), QString());
}

TEST(ScriptFormatter, ReplacementTableAppliesEverywhere)
{
    EXPECT_EQ(formatLine(u"x = \"dimanche\""_s), u"x = \"Dimanche\""_s);
    EXPECT_EQ(formatLine(u"endif ' ENDIF"_s), u"End If ' End If"_s);
    EXPECT_EQ(formatLine(u"msgbox inoutbox(\"[lect]:\\\" & [chemin] & [Joindre])"_s),
              u"MsgBox InputBox(\"[LECT]:\\\" & [CHEMIN] & [JOINDRE])"_s);
    EXPECT_EQ(formatLine(u"set o = createobject(\"x\")"_s), u"set o = CreateObject(\"x\")"_s);
    EXPECT_EQ(formatLine(u"'a <  > b"_s), u"'a <> b"_s);
}

TEST(ScriptFormatter, LongTextsAreLeftAsTyped)
{
    const QString limit = u"a=b"_s + QString(scriptformatter::kSizeLimit - 3, u'x');
    EXPECT_EQ(scriptformatter::format(limit), limit);
    EXPECT_FALSE(scriptformatter::pass(limit, 0));
    const QString below = limit.left(scriptformatter::kSizeLimit - 1);
    EXPECT_TRUE(scriptformatter::format(below).startsWith(u"a = b"_s));
}

TEST(ScriptFormatter, PassMovesTheCaretByTheChangeInLengthPlusTwo)
{
    EXPECT_FALSE(scriptformatter::pass(u"a = 1"_s + NL, 7));
    const auto moved = scriptformatter::pass(u"a=1"_s + NL + u"xyz"_s, 5);
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->text, u"a = 1"_s + NL + u"xyz"_s);
    EXPECT_EQ(moved->caret, 9);
    const auto clamped = scriptformatter::pass(u"a=b+1"_s + NL, 7);
    ASSERT_TRUE(clamped);
    EXPECT_EQ(clamped->caret, clamped->text.size());
    EXPECT_EQ(scriptformatter::pass(u"     a"_s, 0)->caret, 0);
}

TEST(ProcedureList, ListsDeclarationsByPrefix)
{
    const QString text = u"Public Sub Ma_procedure()"_s + NL + NL + u"End Sub"_s + NL + u"subtotal = 1"_s + NL +
                         u"  sub indented()"_s + NL + u"Function f(x)"_s + NL + u"PRIVATE FUNCTION g"_s + NL +
                         u"sub"_s + NL + u"Public Function h()"_s;
    const ProcedureList list = ProcedureList::scan(text);
    EXPECT_EQ(list.entries(),
              (QStringList{u"Procédures"_s, u"Ma_procedure()"_s, u"otal = 1"_s, u"f(x)"_s, u"g"_s, u"h()"_s}));
    EXPECT_EQ(list.declarations(),
              (QStringList{u"RIEN"_s, u"Public Sub Ma_procedure()"_s, u"subtotal = 1"_s, u"Function f(x)"_s,
                           u"PRIVATE FUNCTION g"_s, u"Public Function h()"_s}));
    EXPECT_EQ(ProcedureList::scan(QString()).entries(), QStringList{u"Procédures"_s});
}

TEST(ProcedureList, ChoosingAnEntryGivesTheCaretBeforeItsDeclaration)
{
    const QString text = u"x = 1"_s + NL + u"Sub a()"_s + NL + u"End Sub"_s + NL + u"Function a()"_s;
    const ProcedureList list = ProcedureList::scan(text);
    EXPECT_EQ(list.caretFor(u"a()"_s, text), 7);
    EXPECT_EQ(list.caretFor(u"Procédures"_s, text), std::nullopt);
    EXPECT_EQ(list.caretFor(u"b()"_s, text), std::nullopt);
    EXPECT_EQ(list.caretFor(u"a()"_s, u"ab"_s), std::nullopt);
    // The declaration has gone since the list was made: the caret stays at the end.
    const QString changed = u"x = 1"_s + NL + u"sub a()"_s;
    EXPECT_EQ(list.caretFor(u"a()"_s, changed), changed.size());
}

TEST(VbsHighlight, KeywordsStringsCommentsAndNumbers)
{
    using vbshighlight::Span;
    using K = vbshighlight::TokenKind;
    EXPECT_EQ(vbshighlight::spans(u"If x = \"a\"\"b\" Then ' note"),
              (QList<Span>{{0, 2, K::Keyword}, {7, 6, K::String}, {14, 4, K::Keyword}, {19, 6, K::Comment}}));
    EXPECT_EQ(vbshighlight::spans(u"y = 3.5e2 + &HFF + Bouton3.Left - .5"),
              (QList<Span>{{4, 5, K::Number}, {12, 4, K::Number}, {34, 2, K::Number}}));
    EXPECT_EQ(vbshighlight::spans(u"REM x = 1"), (QList<Span>{{0, 9, K::Comment}}));
    EXPECT_EQ(vbshighlight::spans(u"Remove \"open"), (QList<Span>{{7, 5, K::String}}));
    EXPECT_EQ(vbshighlight::spans(u"end sub"), (QList<Span>{{0, 3, K::Keyword}, {4, 3, K::Keyword}}));
}
