#include "EngineTestSupport.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/Locale.h"

#include <gtest/gtest.h>

using namespace vbstest;

// Players and zepc hand the engine the user's locale; scripts then speak its language.

TEST(VbsLocale, PosixNamesChooseEnglishForEnglishAndCAndFrenchForTheRest)
{
    EXPECT_EQ(vbs::Locale::fromPosix("en_US.UTF-8").lcid, 1033);
    EXPECT_EQ(vbs::Locale::fromPosix("en_GB.UTF-8").lcid, 2057);
    EXPECT_EQ(vbs::Locale::fromPosix("en_AU").lcid, 1033);
    EXPECT_EQ(vbs::Locale::fromPosix("C").lcid, 1033);
    EXPECT_EQ(vbs::Locale::fromPosix("C.UTF-8").lcid, 1033);
    EXPECT_EQ(vbs::Locale::fromPosix("POSIX").lcid, 1033);
    EXPECT_EQ(vbs::Locale::fromPosix("").lcid, 1033);
    EXPECT_EQ(vbs::Locale::fromPosix("fr_FR.UTF-8").lcid, 1036);
    EXPECT_EQ(vbs::Locale::fromPosix("fr_CA.UTF-8").lcid, 3084);
    EXPECT_EQ(vbs::Locale::fromPosix("fr_BE@euro").lcid, 2060);
    EXPECT_EQ(vbs::Locale::fromPosix("fr_LU").lcid, 1036);
    EXPECT_EQ(vbs::Locale::fromPosix("de_DE.UTF-8").lcid, 1036);
    EXPECT_EQ(vbs::Locale::fromPosix("eng").lcid, 1036); // not an en_ name
}

TEST(VbsLocale, WindowsLcidsGoToTheNearestKnownLocale)
{
    EXPECT_EQ(vbs::Locale::nearest(1033).lcid, 1033);
    EXPECT_EQ(vbs::Locale::nearest(2057).lcid, 2057);
    EXPECT_EQ(vbs::Locale::nearest(3081).lcid, 1033); // English (Australia)
    EXPECT_EQ(vbs::Locale::nearest(3084).lcid, 3084);
    EXPECT_EQ(vbs::Locale::nearest(5132).lcid, 1036); // French (Luxembourg)
    EXPECT_EQ(vbs::Locale::nearest(1031).lcid, 1036); // German
    EXPECT_EQ(vbs::Locale::nearest(0).lcid, 1036);
    EXPECT_EQ(vbs::Locale::nearest(1033).language(), vbs::Language::English);
    EXPECT_EQ(vbs::Locale::nearest(4108).language(), vbs::Language::French);
}

TEST(VbsLocale, TheUserLocaleSetsMessagesAndIsWhereSetLocaleZeroReturns)
{
    TestEngine test;
    test.engine.setLocale(vbs::Locale::nearest(2057));
    EXPECT_EQ(test.engine.language(), vbs::Language::English);
    EXPECT_EQ(test.engine.eval(u"GetLocale()").longValue(), 2057);
    EXPECT_EQ(test.engine.eval(u"SetLocale(1036)").longValue(), 2057);
    EXPECT_EQ(test.engine.eval(u"MonthName(1)").stringValue(), u"janvier");
    // SetLocale changes formats only: messages keep the user's language.
    EXPECT_EQ(test.engine.eval(u"SetLocale(0)").longValue(), 1036);
    EXPECT_EQ(test.engine.locale().lcid, 2057);
    try {
        test.engine.eval(u"1 / 0");
        FAIL();
    } catch (const vbs::ScriptError &error) {
        EXPECT_EQ(error.description(), u"Division by zero");
    }
    test.engine.setLocale(vbs::Locale::nearest(3084));
    EXPECT_EQ(test.engine.language(), vbs::Language::French);
    EXPECT_EQ(test.engine.eval(u"FormatDateTime(#5/17/2024#, vbShortDate)").stringValue(), u"2024-05-17");
}
