#include "support/TestFiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString simplified(QString text)
{
    return text.replace(QRegularExpression(u"\\s+"_s), u" "_s).trimmed();
}

// What --help says, piece by piece: each command's synopsis and description, each
// option and each exit code with its text.
struct HelpPieces
{
    QStringList synopses;
    QStringList texts;
    QStringList options; // "--sub NOM"
};

HelpPieces helpPieces()
{
    const QStringList lines = testfiles::runProgram(u"zepc"_s, {u"--help"_s}).outText().split(u'\n');
    HelpPieces pieces;
    QString section;
    QStringList *current = nullptr;
    for (const QString &line : lines) {
        if (line.endsWith(u" :"_s) && !line.startsWith(u' ')) {
            section = line;
            current = nullptr;
        } else if (line.isEmpty()) {
            current = nullptr;
        } else if (section == u"Commandes :"_s && line.startsWith(u"  zepc "_s)) {
            pieces.synopses << line.trimmed();
            current = &pieces.synopses;
        } else if (section == u"Commandes :"_s && line.startsWith(u"        ["_s) && current) {
            current->last() += u' ' + line.trimmed();
        } else if (section == u"Commandes :"_s && line.startsWith(u"      "_s)) {
            if (current != &pieces.texts)
                pieces.texts << QString();
            pieces.texts.last() += u' ' + line.trimmed();
            current = &pieces.texts;
        } else if (section == u"Options :"_s && line.startsWith(u"  --"_s)) {
            static const QRegularExpression option(u"^  (--\\w+(?: [A-Z]+)?) +(.*)$"_s);
            const QRegularExpressionMatch match = option.match(line);
            pieces.options << match.captured(1);
            pieces.texts << match.captured(2);
            current = &pieces.texts;
        } else if (section == u"Codes de sortie :"_s && line.startsWith(u"  "_s) && line[2].isDigit()) {
            pieces.texts << line.mid(5);
            current = &pieces.texts;
        } else if (current == &pieces.texts && line.startsWith(u"   "_s)) {
            pieces.texts.last() += u' ' + line.trimmed();
        }
    }
    for (QString &text : pieces.texts)
        text = simplified(text);
    return pieces;
}

// The manual page's text as a reader sees it, without the formatting requests.
QString manualText(const QString &name)
{
    QStringList text;
    for (QString line :
         QString::fromUtf8(testfiles::readBytes(testfiles::dataPath(u"../../packaging/man/"_s + name))).split(u'\n')) {
        if (line.startsWith(u'.') || line.startsWith(u'\''))
            continue;
        line.replace(QRegularExpression(u"\\\\f[BIRP]"_s), QString());
        line.replace(u"\\-"_s, u"-"_s).replace(u"\\ "_s, u" "_s);
        text << line;
    }
    return simplified(text.join(u' '));
}

// The completion's answers for the words typed so far, the last one being completed.
QStringList complete(const QStringList &words, const QString &folder = QString())
{
    QStringList quoted;
    for (const QString &word : words)
        quoted << u"'"_s + word + u"'"_s;
    QProcess bash;
    if (!folder.isEmpty())
        bash.setWorkingDirectory(folder);
    bash.start(u"bash"_s,
               {u"-c"_s, u"source '"_s + testfiles::dataPath(u"../../packaging/bash-completion/zepc"_s) +
                             u"'; COMP_WORDS=("_s + quoted.join(u' ') + u"); COMP_CWORD="_s +
                             QString::number(words.size() - 1) + u"; _zepc; printf '%s\\n' \"${COMPREPLY[@]}\""_s});
    EXPECT_TRUE(bash.waitForFinished(10000));
    EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().toStdString();
    QStringList answers = QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    answers.sort();
    return answers;
}

} // namespace

TEST(ZepcManual, ThePageSaysWhatHelpSays)
{
    const HelpPieces help = helpPieces();
    ASSERT_EQ(help.synopses.size(), 10);
    ASSERT_EQ(help.options.size(), 10);
    const QString page = manualText(u"zepc.1"_s);
    for (const QString &synopsis : help.synopses)
        EXPECT_TRUE(page.contains(synopsis)) << synopsis.toStdString();
    for (const QString &option : help.options)
        EXPECT_TRUE(page.contains(option)) << option.toStdString();
    for (const QString &text : help.texts)
        EXPECT_TRUE(page.contains(text)) << text.toStdString();
    EXPECT_TRUE(manualText(u"zep.1"_s).contains(u"zep [PROJET.zep]"_s));
}

TEST(ZepcManual, CompletionOffersTheCommandsAndEachCommandsOptions)
{
    const HelpPieces help = helpPieces();
    QStringList commands;
    for (const QString &synopsis : help.synopses)
        commands << synopsis.section(u' ', 1, 1);
    commands << u"--help"_s << u"--version"_s;
    commands.sort();
    EXPECT_EQ(complete({u"zepc"_s, QString()}), commands);
    EXPECT_EQ(complete({u"zepc"_s, u"co"_s}), QStringList{u"compile"_s});

    static const QRegularExpression option(u"\\[(--\\w+)"_s);
    for (const QString &synopsis : help.synopses) {
        QStringList expected;
        for (const QRegularExpressionMatch &match : option.globalMatch(synopsis))
            expected << match.captured(1);
        expected.sort();
        EXPECT_EQ(complete({u"zepc"_s, synopsis.section(u' ', 1, 1), u"--"_s}), expected) << synopsis.toStdString();
    }
}

TEST(ZepcManual, CompletionOffersProjectsFoldersAndNothingForFreeText)
{
    QTemporaryDir dir;
    for (const QString &name : {u"menu.zep"_s, u"VIEUX.ZEP"_s, u"notes.txt"_s, u"script.vbs"_s, u"menu.iso"_s})
        testfiles::writeBytes(dir.filePath(name), "x");
    QDir(dir.path()).mkdir(u"cd"_s);

    const QStringList projects{u"VIEUX.ZEP"_s, u"cd"_s, u"menu.zep"_s};
    EXPECT_EQ(complete({u"zepc"_s, u"check"_s, QString()}, dir.path()), projects);
    EXPECT_EQ(complete({u"zepc"_s, u"compile"_s, u"--light"_s, QString()}, dir.path()), projects);
    EXPECT_EQ(complete({u"zepc"_s, u"compile"_s, u"menu.zep"_s, QString()}, dir.path()), QStringList{u"cd"_s});
    EXPECT_EQ(complete({u"zepc"_s, u"compile"_s, u"--sub"_s, u"x"_s, u"menu.zep"_s, u"c"_s}, dir.path()),
              QStringList{u"cd"_s});
    EXPECT_EQ(complete({u"zepc"_s, u"save"_s, u"menu.zep"_s, QString()}, dir.path()), projects);
    EXPECT_EQ(complete({u"zepc"_s, u"vbs"_s, QString()}, dir.path()), (QStringList{u"cd"_s, u"script.vbs"_s}));
    EXPECT_EQ(complete({u"zepc"_s, u"iso"_s, u"menu.zep"_s, QString()}, dir.path()),
              (QStringList{u"cd"_s, u"menu.iso"_s}));
    EXPECT_TRUE(complete({u"zepc"_s, u"compile"_s, u"--name"_s, QString()}, dir.path()).isEmpty());
    EXPECT_TRUE(complete({u"zepc"_s, u"menudata"_s, u"menu.zep"_s, QString()}, dir.path()).isEmpty());
}
