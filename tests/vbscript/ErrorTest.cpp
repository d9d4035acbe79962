#include "EngineTestSupport.h"

#include <gtest/gtest.h>

using namespace vbstest;

namespace {

struct Expected
{
    const char *source;
    int number;
    int line;
};

TEST(VbsErrors, CompileErrorsCarryNumberAndLine)
{
    const Expected cases[] = {
        {"x = (1 + 2", 1006, 1},
        {"x = 1\nIf x Then\nx = 2\n", 1014, 4},
        {"x = 1 +", 1023, 1},
        {"x = 1\n)", 1024, 2},
        {"x = 1 2", 1025, 1},
        {"Do\nx = 1", 1019, 2},
        {"For i = 1\nNext", 1013, 1},
        {"While x\nx = 1", 1018, 2},
        {"x = \"abc", 1033, 1},
        {"x = 1 $ 2", 1032, 1},
        {"Sub A\nEnd Function", 1016, 2},
        {"Function F\nEnd Sub", 1015, 2},
        {"If x\nEnd If", 1017, 1},
        {"Select x\nEnd Select", 1021, 1},
        {"Exit Do", 1039, 1},
        {"Foo(1, 2)", 1044, 1},
        {"Sub A(x, x)\nEnd Sub", 1041, 1},
        {"x = 1\nOption Explicit", 1042, 2},
        {"Dim 5", 1010, 1},
        {"Const x 5", 1011, 1},
        {"For Each x Of y\nNext", 1046, 1},
        {"With x\n.a = 1", 1014, 2},
        {"If x Then\nx = 1", 1014, 2},
        {"Sub s() x = 1", 1014, 1},
        {"Public Property Get P\nEnd Property", 1048, 1},
        {"Property Let P(v)\nEnd Property", 1048, 1},
        {"x = 1 End If", 1024, 1},
        {"Class C\nx = 1\nEnd Class", 1024, 2},
        {"Sub s()\nSub t()\nEnd Sub\nEnd Sub", 1024, 2},
        {"(1)", 1024, 1},
    };
    for (const Expected &c : cases) {
        vbs::ScriptEngine engine;
        try {
            engine.addCode(u16(c.source));
            ADD_FAILURE() << c.source << ": no error";
        } catch (const vbs::ScriptError &error) {
            EXPECT_EQ(error.number(), c.number) << c.source;
            EXPECT_EQ(error.line(), c.line) << c.source;
            EXPECT_TRUE(error.isCompileError()) << c.source;
        }
    }
}

TEST(VbsErrors, RunTimeErrorsCarryNumberAndLine)
{
    const Expected cases[] = {
        {"x = 1\ny = x / 0", 11, 2},
        {"Dim a(2)\n\na(3) = 1", 9, 3},
        {"x = \"a\" - 1", 13, 1},
        {"Sub S\nx = CInt(1E10)\nEnd Sub\nS", 6, 2},
        {"Option Explicit\nDim a\nb = 1", 500, 3},
        {"Option Explicit\nSub S\nq = 1\nEnd Sub\nS", 500, 3},
        {"x = Left(\"a\", -1)", 5, 1},
        {"Err.Raise 1000", 1000, 1},
        {"x = Null + CLng(Null)", 94, 1},
        {"With 1\n.x = 2\nEnd With", 424, 2},
        {"x = .y", 505, 1},
        {"Set o = New Missing", 506, 1},
        {"x = UBound(5)", 13, 1},
        {"x = Array(1)(1)", 9, 1},
        {"Dim a()\nx = UBound(a)", 9, 2},
        {"Dim c()\nx = c()", 9, 2},
        {"Sub S(a)\nEnd Sub\nS 1, 2", 450, 3},
    };
    for (const Expected &c : cases) {
        vbs::ScriptEngine engine;
        int line = -1;
        EXPECT_EQ(errorOf(engine, c.source, &line), c.number) << c.source;
        EXPECT_EQ(line, c.line) << c.source;
    }
}

TEST(VbsErrors, DescriptionsFollowTheHostLanguage)
{
    vbs::ScriptEngine engine;
    const char *sources[] = {"x = 1 / 0", "x = \"a\" * 1", "Set x = Nothing\nx.y = 1", "x = (1"};
    const char *english[] = {"Division by zero", "Type mismatch", "Object variable not set", "Expected ')'"};
    const char *french[] = {"Division par zéro", "Type incompatible", "Variable objet non définie", "')' attendu"};
    for (int language = 0; language < 2; ++language) {
        engine.setLanguage(language == 0 ? vbs::Language::English : vbs::Language::French);
        for (int i = 0; i < 4; ++i) {
            try {
                engine.addCode(u16(sources[i]));
                ADD_FAILURE() << sources[i];
            } catch (const vbs::ScriptError &error) {
                EXPECT_EQ(error.description(), u16(language == 0 ? english[i] : french[i]));
            }
        }
    }
    engine.addCode(u"On Error Resume Next\nx = CInt(\"z\")\nd = Err.Description");
    EXPECT_EQ(engine.eval(u"d").stringValue(), u16("Type incompatible"));
}

TEST(VbsErrors, EveryRunTimeErrorHasItsTextInBothLanguages)
{
    const int numbers[] = {5,   6,   7,   9,   10,  11,  13,  28,  35,  53,  70,   76,   91,   92,   94,   424,
                           429, 438, 440, 445, 449, 450, 451, 457, 458, 500, 501,  505,  506,  5017, 5018, 5019,
                           5020, 5021, 1002, 1049, 1054, 1057, 1058, 32811};
    for (vbs::Language language : {vbs::Language::English, vbs::Language::French}) {
        vbs::ScriptEngine engine;
        engine.setLanguage(language);
        const std::u16string unknown = engine.language() == vbs::Language::French ? u16("Erreur d'exécution inconnue")
                                                                                    : u"Unknown runtime error";
        for (int number : numbers) {
            engine.addCode(u"On Error Resume Next\nErr.Raise " + std::u16string(u16(std::to_string(number).c_str())) +
                           u"\nd = Err.Description");
            EXPECT_NE(engine.eval(u"d").stringValue(), unknown) << number;
        }
    }
    vbs::ScriptEngine french;
    french.setLanguage(vbs::Language::French);
    french.addCode(u"On Error Resume Next\nSet re = New RegExp\nre.Pattern = \"(\"\nre.Test \"\"\nd = Err.Description\n"
                   u"Err.Clear\nCall CByte(1)\ne = Err.Description");
    EXPECT_EQ(french.eval(u"d").stringValue(), u16("')' attendu dans l'expression régulière"));
    EXPECT_EQ(french.eval(u"e").stringValue(), u16("Cette variable utilise un type Automation non géré par VBScript"));
}

TEST(VbsErrors, RaisedDescriptionsAndSourcesReachTheHost)
{
    vbs::ScriptEngine engine;
    try {
        engine.addCode(u"Sub Inner\nErr.Raise vbObjectError + 5, \"Menu\", \"Mauvais bouton\"\nEnd Sub\nInner");
        FAIL();
    } catch (const vbs::ScriptError &error) {
        EXPECT_EQ(error.number(), int(0x80040005));
        EXPECT_EQ(error.description(), u"Mauvais bouton");
        EXPECT_EQ(error.source(), u"Menu");
        EXPECT_EQ(error.line(), 2);
    }
}

TEST(VbsErrors, TheEngineStaysUsableAfterAnError)
{
    vbs::ScriptEngine engine;
    EXPECT_EQ(errorOf(engine, "Sub P\nx = 1 / 0\nEnd Sub\nP"), 11);
    EXPECT_EQ(errorOf(engine, "y = 2"), 0);
    EXPECT_EQ(engine.eval(u"y").intValue(), 2);
    EXPECT_EQ(errorOf(engine, "P"), 11);
}

} // namespace
