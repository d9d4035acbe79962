#include "app/core/PackScript.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace std::chrono_literals;

TEST(PackScript, CostlyStepsAreStoppedByTheClockAndTheMemoryWatch)
{
    PackScript::Limits limits;
    limits.time = 300ms;
    // Room for what a sanitizer build keeps of freed texts, so only the clock stops these.
    limits.memoryGrowth = 1ll << 30;
    EXPECT_EQ(PackScript::run(u"x = 1 + 1\r\n"_s, {}, limits), PackScript::Result::Ran);
    EXPECT_EQ(PackScript::run(u"x = 1 +\r\n"_s, {}, limits), PackScript::Result::Failed);

    EXPECT_EQ(PackScript::run(u"s = String(1000000, \"a\")\r\nDo\r\n c = Mid(s, 2)\r\nLoop\r\n"_s, {}, limits),
              PackScript::Result::OverTime);
    // On Error Resume Next does not outlive the stop.
    EXPECT_EQ(PackScript::run(u"On Error Resume Next\r\nDo\r\n c = Mid(String(1000000, \"a\"), 2)\r\nLoop\r\n"_s, {},
                              limits),
              PackScript::Result::OverTime);

    limits.time = 60s;
    limits.memoryGrowth = 64ll << 20;
    EXPECT_EQ(PackScript::run(u"ReDim a(100)\r\ns = String(1000000, \"a\")\r\n"
                              u"For i = 0 To 100: a(i) = s & i: Next\r\n"_s,
                              {}, limits),
              PackScript::Result::OverMemory);
    // One text is at most a million characters or so.
    EXPECT_EQ(PackScript::run(u"s = String(1048576, \"a\")\r\n"_s, {}, limits), PackScript::Result::Ran);
    EXPECT_EQ(PackScript::run(u"s = String(1048577, \"a\")\r\n"_s, {}, limits), PackScript::Result::Failed);
}

TEST(PackScript, AStoppedFileIsNamedInItsNotice)
{
    EXPECT_EQ(PackScript::stopped(u"/opt/zep/langues/English/Form2.lge"_s, PackScript::Result::OverTime),
              (MessageRequest{u"Le fichier de langue 'Form2.lge' a été arrêté : il a duré plus de 3 secondes. ZEP "
                              u"continue sans la suite de ce fichier."_s,
                              u"Langue/Language"_s, MessageIcon::Exclamation}));
}
