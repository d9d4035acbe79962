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

TEST(VbsLocale, ErrorTextsInBothLanguages)
{
    using vbs::Language;
    using vbs::errors::description;
    EXPECT_EQ(description(5, Language::English), u"Invalid procedure call or argument");
    EXPECT_EQ(description(5, Language::French), u"Argument ou appel de procédure incorrect");
    EXPECT_EQ(description(458, Language::English), u"Variable uses an Automation type not supported in VBScript");
    EXPECT_EQ(description(1030, Language::English), u"Identifier too long");
    EXPECT_EQ(description(1030, Language::French), u"Identificateur trop long");
    EXPECT_EQ(description(-2147024882, Language::French), u"Espace de stockage insuffisant pour traiter cette commande.");
    EXPECT_EQ(description(65536, Language::English), u"Unknown runtime error");
    EXPECT_EQ(description(65536, Language::French), u"Erreur d'exécution inconnue");
    EXPECT_EQ(vbs::errors::compileSource(Language::English), u"VBScript compilation error");
    EXPECT_EQ(vbs::errors::runtimeSource(Language::French), u"Erreur d'exécution VBScript");

    TestEngine test;
    test.engine.setLocale(vbs::Locale::fromPosix("fr_FR.UTF-8"));
    test.engine.addCode(u"On Error Resume Next\nErr.Raise 9\nd = Err.Description & \"|\" & Err.Source");
    EXPECT_EQ(test.engine.eval(u"d").stringValue(), u"L'indice n'appartient pas à la sélection|Erreur d'exécution VBScript");
}

TEST(VbsLocale, TheSystemFirstDayOfTheWeekFollowsTheUserLocale)
{
    TestEngine english;
    english.engine.setLocale(vbs::Locale::fromPosix("en_US.UTF-8"));
    // vbUseSystemDayOfWeek (0): Sunday in the United States, Monday in France.
    EXPECT_EQ(english.engine.eval(u"WeekdayName(1, False, 0)").stringValue(), u"Sunday");
    EXPECT_EQ(english.engine.eval(u"Weekday(#5/20/2024#, 0)").intValue(), 2);
    TestEngine french;
    french.engine.setLocale(vbs::Locale::fromPosix("fr_FR.UTF-8"));
    EXPECT_EQ(french.engine.eval(u"WeekdayName(1, False, 0)").stringValue(), u"lundi");
    EXPECT_EQ(french.engine.eval(u"Weekday(#5/20/2024#, 0)").intValue(), 1);
    EXPECT_EQ(french.engine.eval(u"FormatCurrency(-1234.5)").stringValue(), u"-1\u00A0234,50\u00A0€");
}
