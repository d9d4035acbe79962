#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace vbstest;

namespace {

TEST(VbsSafety, RunawayRecursionRaises28)
{
    vbs::ScriptEngine engine;
    EXPECT_EQ(errorOf(engine, "Function F(n)\nF = F(n + 1)\nEnd Function\nx = F(1)"), 28);
    engine.limits().maxCallDepth = 10;
    EXPECT_EQ(errorOf(engine, "Function G(n)\nIf n > 0 Then G = G(n - 1)\nEnd Function\nx = G(9)"), 0);
    EXPECT_EQ(errorOf(engine, "x = G(11)"), 28);
    EXPECT_EQ(errorOf(engine, "On Error Resume Next\nx = G(50)\ncode = Err.Number"), 0);
    EXPECT_EQ(engine.eval(u"code").longValue(), 28);
}

TEST(VbsSafety, StepBudgetStopsEndlessLoopsEvenUnderResumeNext)
{
    vbs::ScriptEngine engine;
    engine.limits().maxSteps = 10000;
    EXPECT_EQ(errorOf(engine, "Do\nLoop"), 18);
    EXPECT_EQ(errorOf(engine, "On Error Resume Next\nDo\nx = x + 1\nLoop"), 18);
    EXPECT_EQ(errorOf(engine, "Sub S\nS2\nEnd Sub\nSub S2\nWhile True: Wend\nEnd Sub\nOn Error Resume Next\nS"), 18);
    EXPECT_EQ(errorOf(engine, "For i = 1 To 100 : x = i : Next"), 0);
}

TEST(VbsSafety, InterruptFlagStopsARunningScript)
{
    vbs::ScriptEngine engine;
    std::atomic<bool> &flag = engine.interruptFlag();
    std::thread timer([&flag] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        flag.store(true);
    });
    const int number = errorOf(engine, "On Error Resume Next\nDo : n = n + 1 : Loop");
    timer.join();
    EXPECT_EQ(number, 18);
    EXPECT_EQ(errorOf(engine, "y = 1"), 0);
}

TEST(VbsSafety, OversizedStringsAndArraysRaise7)
{
    vbs::ScriptEngine engine;
    engine.limits().maxStringLength = 1000;
    engine.limits().maxArrayElements = 1000;
    EXPECT_EQ(errorOf(engine, "s = Space(1001)"), 7);
    EXPECT_EQ(errorOf(engine, "s = String(2000, \"x\")"), 7);
    EXPECT_EQ(errorOf(engine, "s = \"x\"\nDo : s = s & s : Loop"), 7);
    EXPECT_EQ(errorOf(engine, "s = \"\"\nDo : s = s & \"abc\" : Loop"), 7);
    EXPECT_EQ(errorOf(engine, "s = Replace(Space(900), \" \", \"ab\")"), 7);
    EXPECT_EQ(errorOf(engine, "Dim a(2000)"), 7);
    EXPECT_EQ(errorOf(engine, "ReDim a(40, 40)"), 7);
    EXPECT_EQ(errorOf(engine, "ReDim a(2147483646, 2147483646)"), 7);
    EXPECT_EQ(errorOf(engine, "On Error Resume Next\ns = Space(5000)\nn = Err.Number"), 0);
    EXPECT_EQ(engine.eval(u"n").longValue(), 7);
}

TEST(VbsSafety, DeepNestingIsACompileErrorNotACrash)
{
    vbs::ScriptEngine engine;
    const std::string parens = "x = " + std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_EQ(errorOf(engine, parens.c_str()), 28);
    std::string ifs;
    for (int i = 0; i < 3000; ++i)
        ifs += "If True Then\n";
    EXPECT_EQ(errorOf(engine, ifs.c_str()), 28);
    const std::string minus = "x = " + std::string(5000, '-') + "1";
    EXPECT_EQ(errorOf(engine, minus.c_str()), 28);
}

TEST(VbsSafety, LongChainsOfObjectsAndArraysAreReleasedSafely)
{
    vbs::ScriptEngine engine;
    EXPECT_EQ(errorOf(engine, "Class N\nPublic Nx\nEnd Class\nSet h = Nothing\n"
                              "For i = 1 To 200000\nSet n = New N\nSet n.Nx = h\nSet h = n\nNext\n"
                              "Set n = Nothing\nSet h = Nothing"),
              0);
    EXPECT_EQ(errorOf(engine, "a = Empty\nFor i = 1 To 200000 : a = Array(a) : Next\na = Empty"), 0);
}

TEST(VbsSafety, ScriptObjectsOutlivingTheEngineAreInert)
{
    vbs::Variant kept;
    {
        vbs::ScriptEngine engine;
        engine.addCode(u"Class C\nPublic V\nPrivate Sub Class_Terminate\nV = 0\nEnd Sub\nEnd Class\n"
                       u"Set a = New C\nSet b = New C\nSet a.V = b\nSet b.V = a\nSet k = New C\nk.V = 5");
        kept = engine.eval(u"k");
    }
    ASSERT_TRUE(kept.isObject());
    EXPECT_EQ(kept.objectValue()->typeName(), u"C");
    try {
        kept.objectValue()->invoke(u"v", vbs::Invoke::Get, {});
        FAIL();
    } catch (const vbs::ScriptError &error) {
        EXPECT_EQ(error.number(), 424);
    }
}

TEST(VbsSafety, ErrorsInClassTerminateAreSwallowed)
{
    vbs::ScriptEngine engine;
    EXPECT_EQ(errorOf(engine, "Class C\nPrivate Sub Class_Terminate\nx = 1 / 0\nEnd Sub\nEnd Class\n"
                              "Set o = New C\nSet o = Nothing\ny = 2"),
              0);
    EXPECT_EQ(engine.eval(u"y").intValue(), 2);
}

} // namespace
