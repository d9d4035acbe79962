#include "app/core/AppearanceFile.h"
#include "app/core/AppearanceRule.h"

#include "common/ColourValue.h"
#include "common/LineWriter.h"
#include "support/TestFiles.h"

#include <QPalette>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const Appearance kSystem{u"system"_s, 15790320, 16777215, 0, QString()};

QStringList names(const QList<Appearance> &list)
{
    QStringList out;
    for (const Appearance &a : list)
        out.append(a.name);
    return out;
}

QByteArray blocks(int count)
{
    LineWriter out;
    for (int i = 1; i <= count; ++i)
        out.line(u"[App]").line(u"A"_s + QString::number(i)).number(i).number(0).number(0).line(u"para").line(u"para");
    return out.bytes();
}

} // namespace

TEST(AppearanceFile, DefaultFileIsByteForByteAndLoadsBehindParDefaut)
{
    testfiles::expectGolden(u"app/apparences.ini"_s, AppearanceFile::defaultBytes());

    QTemporaryDir dir;
    const AppearanceFile file(dir.path());
    EXPECT_FALSE(file.exists());
    ASSERT_FALSE(file.writeDefaults().isError());
    EXPECT_EQ(testfiles::readBytes(dir.path() + u"/apparences.ini"_s), AppearanceFile::defaultBytes());

    const QList<Appearance> list = file.load(kSystem);
    EXPECT_EQ(names(list), (QStringList{u"Par défaut"_s, u"Bleu"_s, u"Rouge"_s, u"Orange"_s, u"Clair"_s, u"Sombre"_s,
                                        u"Sombre2"_s}));
    EXPECT_EQ(list[0], (Appearance{u"Par défaut"_s, 15790320, 16777215, 0, QString()}));
    EXPECT_EQ(list[6], (Appearance{u"Sombre2"_s, 5789784, 16744576, 65280, QString()}));
}

TEST(AppearanceFile, ParDefautTakesTheSystemColours)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    EXPECT_EQ(Appearance::systemDefault(palette),
              (Appearance{u"Par défaut"_s, 1 + 2 * 256 + 3 * 65536, 16777215, 16711680, QString()}));
    EXPECT_EQ(colourvalue::toColor(1 + 2 * 256 + 3 * 65536), QColor(1, 2, 3));
}

TEST(AppearanceFile, ReadingTakesLeadingNumbersAndSkipsStrayLines)
{
    const QByteArray bytes = "garbage\r\n[App]\r\nMon th\xE8me\r\n 255 abc\r\n12.9\r\nvert\r\nVerdana\r\npara\r\n"
                             "\r\n[app]\r\n[App]\r\n[App]\r\n 1 \r\n 2 \r\n 3 \r\npara\r\npara\r\n"
                             "[App]\r\nCoup\xE9\r\n 7 \r\n";
    const QList<Appearance> list = AppearanceFile::parse(bytes, kSystem);
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[1], (Appearance{u"Mon thème"_s, 255, 12, 0, u"Verdana"_s}));
    // Lines are taken by position: a second "[App]" right after one is the name.
    EXPECT_EQ(list[2], (Appearance{u"[App]"_s, 1, 2, 3, QString()}));
    // A block cut short keeps what it has.
    EXPECT_EQ(list[3], (Appearance{u"Coupé"_s, 7, 0, 0, QString()}));
}

TEST(AppearanceFile, AtMostOneHundredStoredAppearancesAreLoaded)
{
    const QList<Appearance> list = AppearanceFile::parse(blocks(103), kSystem);
    ASSERT_EQ(list.size(), 101);
    EXPECT_EQ(list.back().name, u"A100"_s);

    // A full list refuses another one; one fewer still takes it.
    const auto full = AppearanceFile::checkNewName(u"Nouveau"_s, list);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->text, u"Nombre maximum d'apparences atteint !!!"_s);
    EXPECT_FALSE(AppearanceFile::checkNewName(u"Nouveau"_s, AppearanceFile::parse(blocks(99), kSystem)));
}

TEST(AppearanceFile, SaveValidation)
{
    const QList<Appearance> list = AppearanceFile::parse(AppearanceFile::defaultBytes(), kSystem);
    auto expectRefused = [&](const QString &name, const QString &text) {
        const auto message = AppearanceFile::checkNewName(name, list);
        ASSERT_TRUE(message) << name.toStdString();
        EXPECT_EQ(*message, (MessageRequest{text, u"ZEP - création"_s, MessageIcon::Exclamation}));
    };
    expectRefused(QString(), u"Champs nom vide !!!"_s);
    expectRefused(u"bleu"_s, u"Ce nom est déjà utilisé !!!"_s);
    expectRefused(u"SOMBRE2"_s, u"Ce nom est déjà utilisé !!!"_s);
    expectRefused(u"par DÉFAUT"_s, u"Ce nom est déjà utilisé !!!"_s);
    EXPECT_FALSE(AppearanceFile::checkNewName(u"Sombre3"_s, list));
    EXPECT_FALSE(AppearanceFile::checkNewName(u" Bleu"_s, list));
}

TEST(AppearanceFile, AppendedBlockHasNumberLineColours)
{
    QTemporaryDir dir;
    const QString path = dir.path() + u"/apparences.ini"_s;
    // A last line without its line end must not swallow the new block.
    testfiles::writeBytes(path, AppearanceFile::defaultBytes() + "[App]\r\nX\r\n1\r\n2\r\n3\r\npara\r\npara");
    const AppearanceFile file(dir.path());
    ASSERT_FALSE(file.append({u"Forêt"_s, 32768, 0, 16777215, u"Tahoma"_s}).isError());
    ASSERT_FALSE(file.append({u"Nue"_s, 1, 2, 3, QString()}).isError());

    const QByteArray bytes = testfiles::readBytes(path);
    EXPECT_TRUE(bytes.endsWith("para\r\n[App]\r\nFor\xEAt\r\n 32768 \r\n 0 \r\n 16777215 \r\nTahoma\r\npara\r\n"
                               "[App]\r\nNue\r\n 1 \r\n 2 \r\n 3 \r\npara\r\npara\r\n"));
    const QList<Appearance> list = file.load(kSystem);
    ASSERT_EQ(list.size(), 10);
    EXPECT_EQ(list[8], (Appearance{u"Forêt"_s, 32768, 0, 16777215, u"Tahoma"_s}));
    EXPECT_EQ(list[9].font, QString());

    // Appending to a missing file makes it.
    QTemporaryDir other;
    ASSERT_FALSE(AppearanceFile(other.path()).append({u"Seul"_s, 1, 2, 3, QString()}).isError());
    EXPECT_EQ(AppearanceFile(other.path()).load(kSystem).size(), 2);
}

TEST(AppearanceRule, SombreRecoloursTextBoxesAndEveryControlsText)
{
    const Appearance sombre{u"Sombre"_s, 6392715, 2208689, 16777215, QString()};
    using Kind = AppearanceRule::Kind;
    using Look = AppearanceRule::Look;

    EXPECT_EQ(AppearanceRule::lookFor(sombre, {u"Text1"_s, QString(), Kind::TextField}),
              (Look{false, 2208689, 16777215, u"MS Sans Serif"_s}));
    // Every text-entry field takes the field background whatever its name, and so does a
    // control whose name begins with "Text".
    EXPECT_EQ(AppearanceRule::lookFor(sombre, {u"TextLabel"_s, QString(), Kind::Label}),
              (Look{std::nullopt, 2208689, 16777215, u"MS Sans Serif"_s}));
    EXPECT_EQ(AppearanceRule::lookFor(sombre, {u"nom_app"_s, QString(), Kind::TextField}),
              (Look{false, 2208689, 16777215, u"MS Sans Serif"_s}));
    EXPECT_EQ(AppearanceRule::lookFor(sombre, {u"text2"_s, QString(), Kind::Button}),
              (Look{false, 6392715, 16777215, u"MS Sans Serif"_s}));
    EXPECT_EQ(AppearanceRule::lookFor(sombre, {u"Cadre"_s, QString(), Kind::Frame}),
              (Look{std::nullopt, 6392715, 16777215, u"MS Sans Serif"_s}));

    // Controls without the properties are skipped.
    EXPECT_EQ(AppearanceRule::lookFor(sombre, {u"Text3"_s, QString(), Kind::Image}), Look{});
    EXPECT_EQ(AppearanceRule::lookFor(sombre, {u"Timer1"_s, QString(), Kind::NonVisual}), Look{});

    Appearance withFont = sombre;
    withFont.font = u"Verdana"_s;
    EXPECT_EQ(AppearanceRule::lookFor(withFont, {u"Label1"_s, QString(), Kind::Label}).font, u"Verdana"_s);
}

TEST(AppearanceRule, NDesignKeepsItsColoursButLosesItsTabStop)
{
    const Appearance sombre{u"Sombre"_s, 6392715, 2208689, 16777215, QString()};
    using Kind = AppearanceRule::Kind;
    using Look = AppearanceRule::Look;
    Look tabStopOff;
    tabStopOff.tabStop = false;
    EXPECT_EQ(AppearanceRule::lookFor(sombre, {u"Text1"_s, u"N_DESIGN"_s, Kind::TextField}), tabStopOff);
    EXPECT_EQ(AppearanceRule::lookFor(sombre, {u"Label2"_s, u"N_DESIGN"_s, Kind::Label}), Look{});
    EXPECT_EQ(AppearanceRule::lookFor(sombre, {u"Label2"_s, u"n_design"_s, Kind::Label}).textColour, 16777215);
}
