#include "app/core/OptionsFile.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Options designed()
{
    Appearance a;
    a.windowBackground = 12632256;
    a.fieldBackground = 16777215;
    a.textColour = 0;
    return Options::firstRun(a);
}

OptionsFile::Reading parse(const QByteArray &bytes, bool startupProject = false)
{
    return OptionsFile::parse(bytes, designed(), startupProject);
}

} // namespace

TEST(OptionsFile, WritesNineCrLfLinesInWindows1252)
{
    Options o = designed();
    o.precisePointer = true;
    o.mousePosition = false;
    o.appearance = {u"Sombre"_s, 6392715, 2208689, 16777215, u"Trébuchet"_s};
    o.wizardAtStart = true;
    testfiles::expectGolden(u"app/zep_options.ini"_s, OptionsFile::serialize(o));

    EXPECT_EQ(OptionsFile::serialize(designed()),
              QByteArray("non\r\noui\r\noui\r\n 12632256 \r\n 16777215 \r\n 0 \r\n\r\nnon\r\noui\r\n"));
}

TEST(OptionsFile, WrittenFileReadsBackAndReplacesTheOldOne)
{
    QTemporaryDir dir;
    const OptionsFile file(dir.path());
    EXPECT_EQ(file.path(), dir.path() + u"/zep_options.ini"_s);
    EXPECT_FALSE(file.exists());

    Options o = designed();
    o.cornerMarkers = false;
    o.requireMultimediaFile = false;
    o.appearance.font = u"Tahoma"_s;
    ASSERT_FALSE(file.write(o).isError());
    const OptionsFile::Reading r = file.read(designed(), false);
    EXPECT_TRUE(r.appearanceRead);
    EXPECT_FALSE(r.openWizard);
    EXPECT_EQ(r.options, o);

    ASSERT_FALSE(file.clear().isError());
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(testfiles::readBytes(file.path()), QByteArray());
}

TEST(OptionsFile, MissingOrEmptyFileLeavesEveryOptionAsDesigned)
{
    QTemporaryDir dir;
    const OptionsFile::Reading missing = OptionsFile(dir.path()).read(designed(), false);
    EXPECT_EQ(missing.options, designed());
    EXPECT_FALSE(missing.appearanceRead);

    const OptionsFile::Reading empty = parse(QByteArray());
    EXPECT_EQ(empty.options, designed());
    EXPECT_FALSE(empty.appearanceRead);
    EXPECT_FALSE(empty.openWizard);
}

TEST(OptionsFile, ShortFilesAreReadAsFarAsTheyGo)
{
    // Two lines: the third keeps its designed state.
    OptionsFile::Reading r = parse("oui\r\nnon\r\n");
    EXPECT_TRUE(r.options.precisePointer);
    EXPECT_FALSE(r.options.mousePosition);
    EXPECT_TRUE(r.options.cornerMarkers);
    EXPECT_FALSE(r.appearanceRead);

    // Three lines: no appearance to apply.
    r = parse("non\r\nnon\r\nnon\r\n");
    EXPECT_FALSE(r.options.cornerMarkers);
    EXPECT_FALSE(r.appearanceRead);
    EXPECT_EQ(r.options.appearance, designed().appearance);

    // Line 4 present: the block is read, missing lines of it stay as they were.
    r = parse("non\r\noui\r\noui\r\n 255 \r\n");
    EXPECT_TRUE(r.appearanceRead);
    EXPECT_EQ(r.options.appearance.windowBackground, 255);
    EXPECT_EQ(r.options.appearance.fieldBackground, 16777215);

    // Seven lines: lines 8 and 9 keep the first-run states.
    r = parse("non\r\noui\r\noui\r\n 1 \r\n 2 \r\n 3 \r\nArial\r\n");
    EXPECT_EQ(r.options.appearance, (Appearance{QString(), 1, 2, 3, u"Arial"_s}));
    EXPECT_FALSE(r.options.wizardAtStart);
    EXPECT_TRUE(r.options.requireMultimediaFile);

    // Eight lines, the last without its line end.
    r = parse("non\r\noui\r\noui\r\n 1 \r\n 2 \r\n 3 \r\n\r\noui");
    EXPECT_TRUE(r.options.wizardAtStart);
    EXPECT_TRUE(r.openWizard);
    EXPECT_TRUE(r.options.requireMultimediaFile);
}

TEST(OptionsFile, OddValues)
{
    // Only "oui" checks; non-numbers and out-of-range numbers read as 0; the font keeps
    // its blanks; an empty line 8 is "non"; lone LF line ends are accepted.
    const OptionsFile::Reading r = parse("OUI\n oui\noui \nbleu\n12abc\n-5\n Comic Sans \n\nnon\n");
    EXPECT_FALSE(r.options.precisePointer);
    EXPECT_FALSE(r.options.mousePosition);
    EXPECT_FALSE(r.options.cornerMarkers);
    EXPECT_EQ(r.options.appearance, (Appearance{QString(), 0, 12, 0, u" Comic Sans "_s}));
    EXPECT_FALSE(r.options.wizardAtStart);
    EXPECT_FALSE(r.openWizard);
    EXPECT_FALSE(r.options.requireMultimediaFile);
}

TEST(OptionsFile, WizardLineOpensTheWizardOnlyWithoutAStartupProject)
{
    const QByteArray bytes = "non\r\noui\r\noui\r\n 1 \r\n 2 \r\n 3 \r\n\r\noui\r\noui\r\n";
    OptionsFile::Reading r = parse(bytes, false);
    EXPECT_TRUE(r.openWizard);
    EXPECT_TRUE(r.options.wizardAtStart);

    r = parse(bytes, true);
    EXPECT_FALSE(r.openWizard);
    EXPECT_FALSE(r.options.wizardAtStart);
    // So the next write stores "non".
    EXPECT_TRUE(OptionsFile::serialize(r.options).endsWith("\r\nnon\r\noui\r\n"));
}
