#include "common/Cp1252.h"
#include "script/AssistantMenu.h"
#include "script/CursorMenu.h"
#include "script/DefaultScripts.h"
#include "script/NewProcedure.h"
#include "script/ReservedCharacters.h"
#include "script/ScriptSlot.h"
#include "script/SlotText.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString NL = u"\r\n"_s;

// The menu tree written one line per item, sub-menu items indented, "-" for a separator.
void describe(const QList<AssistantMenuItem> &items, const QString &indent, QStringList &out)
{
    for (const AssistantMenuItem &item : items) {
        if (item.kind == AssistantMenuItem::Kind::Separator) {
            out << indent + u'-';
            continue;
        }
        out << indent + item.caption + (item.kind == AssistantMenuItem::Kind::SubMenu ? u" >"_s : QString());
        describe(item.children, indent + u"  "_s, out);
    }
}

} // namespace

TEST(ScriptSlots, IdentifiersAreComparedWithoutRegardToCase)
{
    EXPECT_EQ(parseScriptSlot(u"bouton"), ScriptSlot::Bouton);
    EXPECT_EQ(parseScriptSlot(u"BoutonSurvol"), ScriptSlot::BoutonSurvol);
    EXPECT_EQ(parseScriptSlot(u"edit_princ"), ScriptSlot::EditPrinc);
    EXPECT_EQ(parseScriptSlot(u"MINUTEUR"), ScriptSlot::Minuteur);
    EXPECT_EQ(parseScriptSlot(u"global"), ScriptSlot::Global);
    EXPECT_EQ(parseScriptSlot(u"survolfenetre"), ScriptSlot::SurvolFenetre);
    EXPECT_EQ(parseScriptSlot(u""), std::nullopt);
    EXPECT_EQ(parseScriptSlot(u"bouton "), std::nullopt);
    EXPECT_EQ(scriptSlotName(ScriptSlot::SurvolFenetre), u"SURVOLFENETRE"_s);
}

TEST(ScriptSlots, OpenersSetTheirCaptionAndSlot)
{
    const struct
    {
        ScriptOpener opener;
        QString caption;
        QString argument;
    } cases[] = {
        {ScriptOpener::ButtonScript, u"Code VBS sur bouton 12"_s, u"bouton"_s},
        {ScriptOpener::ButtonHover, u"Actions au survol du bouton 12"_s, u"boutonsurvol"_s},
        {ScriptOpener::StartupAction, u"Code VBS à exécuter au démarrage du projet"_s, u"EDIT_PRINC"_s},
        {ScriptOpener::TimerScript, u"Code VBS du minuteur"_s, u"minuteur"_s},
        {ScriptOpener::GlobalScript, u"Code VBS global"_s, u"global"_s},
        {ScriptOpener::WindowHover, u"Actions au survol de la feuille"_s, u"survolfenetre"_s},
    };
    for (const auto &c : cases) {
        const ScriptOpening opening = scriptOpening(c.opener, 12);
        EXPECT_EQ(opening.caption, c.caption);
        EXPECT_EQ(opening.slotArgument, c.argument);
        EXPECT_EQ(parseScriptSlot(opening.slotArgument), opening.slot);
    }
}

TEST(ScriptSlots, DefaultTextsMatchTheirGoldenFiles)
{
    EXPECT_EQ(defaultscripts::dashLine(), u"'"_s + QString(78, u'-') + NL);
    testfiles::expectGolden(u"script/default_bouton_7.txt"_s, cp1252::encode(defaultscripts::buttonScript(7)));
    testfiles::expectGolden(u"script/default_edit_princ.txt"_s,
                            cp1252::encode(defaultscripts::forSlot(ScriptSlot::EditPrinc)));
    testfiles::expectGolden(u"script/default_minuteur.txt"_s,
                            cp1252::encode(defaultscripts::forSlot(ScriptSlot::Minuteur)));
    testfiles::expectGolden(u"script/default_global.txt"_s,
                            cp1252::encode(defaultscripts::forSlot(ScriptSlot::Global)));
    EXPECT_EQ(defaultscripts::forSlot(ScriptSlot::Bouton), QString());
    EXPECT_EQ(defaultscripts::forSlot(ScriptSlot::BoutonSurvol), QString());
    EXPECT_EQ(defaultscripts::forSlot(ScriptSlot::SurvolFenetre), QString());
}

TEST(ScriptSlots, OpeningInstallsDefaultsOnlyInEmptySlots)
{
    const QString timerDefault = defaultscripts::forSlot(ScriptSlot::Minuteur);
    EXPECT_EQ(slottext::open(ScriptSlot::Minuteur, QString()).stored, timerDefault);
    EXPECT_EQ(slottext::open(ScriptSlot::Minuteur, QString()).shown, timerDefault);
    EXPECT_EQ(slottext::open(ScriptSlot::Global, u"x = 1"_s).shown, u"x = 1"_s);
    EXPECT_EQ(slottext::open(ScriptSlot::Bouton, QString()).shown, QString());
    EXPECT_EQ(slottext::open(ScriptSlot::SurvolFenetre, QString()).stored, QString());
    EXPECT_EQ(slottext::storedForm(ScriptSlot::Global, QString()), QString());
    EXPECT_EQ(slottext::storedForm(ScriptSlot::Bouton, u"a"_s), u"a"_s);
}

TEST(ScriptSlots, StartupScriptIsStoredBehindVbsPrefix)
{
    const slottext::Opening stored = slottext::open(ScriptSlot::EditPrinc, u"vbs:MsgBox 1"_s);
    EXPECT_EQ(stored.shown, u"MsgBox 1"_s);
    EXPECT_EQ(stored.stored, u"vbs:MsgBox 1"_s);
    EXPECT_EQ(slottext::open(ScriptSlot::EditPrinc, u"VBS:x"_s).shown, u"x"_s);

    const QString startupDefault = defaultscripts::forSlot(ScriptSlot::EditPrinc);
    for (const QString &value : {QString(), u"VBS:"_s, u"c:\\prog.exe"_s}) {
        const slottext::Opening reset = slottext::open(ScriptSlot::EditPrinc, value);
        EXPECT_EQ(reset.shown, startupDefault);
        EXPECT_EQ(reset.stored, u"VBS:"_s + startupDefault);
    }

    EXPECT_EQ(slottext::storedForm(ScriptSlot::EditPrinc, u"a"_s), u"VBS:a"_s);
    EXPECT_EQ(slottext::storedForm(ScriptSlot::EditPrinc, QString()),
              u"VBS:'Tapez ici le code VBS à exécuter au démarrage."_s + NL);
    EXPECT_EQ(slottext::open(ScriptSlot::EditPrinc, slottext::emptyStartupScript()).shown,
              u"'Tapez ici le code VBS à exécuter au démarrage."_s + NL);
}

TEST(ScriptSlots, ReservedCharactersGoOneKindPerChangeWithOneMessageEach)
{
    EXPECT_EQ(reservedchars::message(), (MessageRequest{u"Caratère interdit !"_s, u"Erreur !"_s, MessageIcon::Critical,
                                                        MessageButtons::Ok, 1, false}));
    // The window replays each cleaned text as a new change until no message is due.
    QString text = u"a¬b¤c¤¤d¬"_s;
    QStringList texts;
    for (;;) {
        const reservedchars::Step step = reservedchars::step(text);
        texts << step.text;
        if (!step.messageDue)
            break;
        text = step.text;
    }
    EXPECT_EQ(texts, (QStringList{u"a¬bcd¬"_s, u"abcd"_s, u"abcd"_s}));
    EXPECT_FALSE(reservedchars::step(u"é€"_s).messageDue);
}

TEST(ScriptEditor, NewProcedureAppendsADeclarationPair)
{
    const auto sub = makeNewProcedure(u"Ma procedure"_s, ProcedureKind::Sub, ProcedureScope::Public);
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->name, u"Ma_procedure"_s);
    EXPECT_EQ(sub->appended, NL + u"Public Sub Ma_procedure()"_s + NL + NL + u"End Sub"_s);
    const auto function = makeNewProcedure(u"ma proc "_s, ProcedureKind::Function, ProcedureScope::Private);
    ASSERT_TRUE(function);
    EXPECT_EQ(function->appended, NL + u"Private Function ma_proc_()"_s + NL + NL + u"End Function"_s);
    EXPECT_FALSE(makeNewProcedure(QString(), ProcedureKind::Sub, ProcedureScope::Public));
}

TEST(ScriptEditor, CursorMenuEntriesAndLines)
{
    QStringList captions;
    QList<int> pointers;
    for (const cursormenu::Entry &entry : cursormenu::entries()) {
        captions << entry.caption;
        pointers << entry.pointer;
    }
    EXPECT_EQ(captions, (QStringList{u"Curseur par défaut"_s, u"Flèche"_s, u"Croix"_s, u"Curseur texte (I)"_s,
                                     u"Curseur de redimensionnement"_s, u"Flèche haut"_s, u"Sablier"_s, u"Interdit"_s,
                                     u"Personnalisé..."_s}));
    EXPECT_EQ(pointers, (QList<int>{0, 1, 2, 3, 5, 10, 11, 12, 99}));
    EXPECT_EQ(cursormenu::promptLabel(), u"[Choix du nouveau curseur : cliquez ICI]"_s);

    ScriptedPrompter prompter;
    EXPECT_EQ(cursormenu::choose(prompter, u"Bouton3"_s, 11),
              (Snippet{u"Changer curseur (bouton3)"_s, u"Bouton3.MousePointer = 11"_s}));
    const InputRequest icon{u"Chemin du fichier (ex: [LECT]:\\monrep\\fichier.ico) :"_s, u"Curseur"_s, {}};
    prompter.expectInput(icon, u"[LECT]:\\c.ico"_s);
    EXPECT_EQ(cursormenu::choose(prompter, u"Ecran"_s, 99),
              (Snippet{u"Changer curseur (ecran)"_s,
                       u"Ecran.MouseIcon = LoadPicture(\"[LECT]:\\c.ico\")"_s + NL + u"Ecran.MousePointer = 99"_s}));
    prompter.expectInput(icon, QString());
    EXPECT_EQ(cursormenu::choose(prompter, u"Ecran"_s, 99), std::nullopt);
}

TEST(ScriptEditor, AssistantMenuTree)
{
    EXPECT_EQ(assistantmenu::title(), u"Assistant VBS"_s);
    QStringList tree;
    describe(assistantmenu::items(), QString(), tree);
    testfiles::expectGolden(u"script/assistant_menu.txt"_s, tree.join(u'\n').toUtf8() + '\n');
}
