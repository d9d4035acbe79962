#include "ShellFixture.h"

#include "about/AboutBox.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/PluginMenu.h"
#include "build/gui/CompileDialog.h"
#include "build/gui/PrintPreview.h"
#include "build/gui/TestWindow.h"
#include "common/Phrases.h"
#include "designer/ParametersPanel.h"
#include "designer/ResourcesWindow.h"
#include "document/DesignerDocument.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "project/gui/FilePropertiesDialog.h"
#include "script/gui/ScriptEditorWindow.h"
#include "shape/gui/ShapeEditor.h"
#include "support/TestFiles.h"
#include "wizard/gui/WizardWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// What every designer window shows: texts of controls a pack reaches by script name,
// keyed by window, control and property, and the texts no script name reaches.
struct Shown
{
    QMap<QString, QString> named;
    QStringList unreachable;
};

bool scriptNamed(const QObject *o)
{
    return !o->objectName().isEmpty() && !o->objectName().startsWith(u"qt_"_s);
}

// A pack reaches o as a member of root, or of a named control between them.
bool reachable(QObject *root, QObject *o)
{
    for (QObject *d : root->findChildren<QObject *>()) {
        if (scriptNamed(d) && d->objectName().compare(o->objectName(), Qt::CaseInsensitive) == 0)
            return d == o;
    }
    return false;
}

bool reachableFrom(QObject *window, QObject *o)
{
    if (!scriptNamed(o))
        return false;
    if (reachable(window, o))
        return true;
    for (QObject *via = o->parent(); via && via != window; via = via->parent()) {
        if (scriptNamed(via) && reachable(via, o) && reachableFrom(window, via))
            return true;
    }
    return false;
}

// Numbers, signs and single letters are the same in every language.
bool wordless(const QString &text)
{
    static const QRegularExpression word(u"\\p{L}{2}"_s);
    return !word.match(text).hasMatch();
}

QString withoutAccelerator(QString text)
{
    return text.remove(QRegularExpression(u"&(?!&)"_s)).remove(u"..."_s).trimmed();
}

// The readable texts of one object, each with the pack property that sets it.
QList<std::pair<QString, QString>> textsOf(QObject *o)
{
    QList<std::pair<QString, QString>> texts;
    if (auto *a = qobject_cast<QAction *>(o)) {
        // Only entries of a menu show their text; a menu's own entry shows its title.
        const QList<QObject *> places = a->associatedObjects();
        const bool inMenu =
            std::any_of(places.begin(), places.end(), [](QObject *p) { return qobject_cast<QMenu *>(p) != nullptr; });
        auto *menu = qobject_cast<QMenu *>(a->parent());
        if (inMenu && !a->isSeparator() && !(menu && menu->menuAction() == a)) {
            texts.append({u"Caption"_s, a->text()});
            if (withoutAccelerator(a->toolTip()) != withoutAccelerator(a->text()))
                texts.append({u"ToolTipText"_s, a->toolTip()});
        }
        return texts;
    }
    auto *w = qobject_cast<QWidget *>(o);
    if (!w)
        return texts;
    if (w->isWindow())
        texts.append({u"Caption"_s, w->windowTitle()});
    if (auto *m = qobject_cast<QMenu *>(o))
        texts.append({u"Caption"_s, m->title()});
    else if (auto *b = qobject_cast<QAbstractButton *>(o))
        texts.append({u"Caption"_s, b->text()});
    else if (auto *l = qobject_cast<QLabel *>(o))
        texts.append({u"Caption"_s, l->text()});
    else if (auto *g = qobject_cast<QGroupBox *>(o))
        texts.append({u"Caption"_s, g->title()});
    else if (auto *e = qobject_cast<QLineEdit *>(o))
        texts.append({u"PlaceholderText"_s, e->placeholderText()});
    else if (auto *c = qobject_cast<QComboBox *>(o)) {
        for (int i = 0; i < c->count(); ++i)
            texts.append({u"List("_s + QString::number(i) + u')', c->itemText(i)});
    } else if (auto *l = qobject_cast<QListWidget *>(o)) {
        for (int i = 0; i < l->count(); ++i)
            texts.append({u"List("_s + QString::number(i) + u')', l->item(i)->text()});
    }
    texts.append({u"ToolTipText"_s, w->toolTip()});
    return texts;
}

void collect(QWidget *window, Shown &shown)
{
    const QString name = window->objectName();
    QList<QObject *> objects{window};
    objects += window->findChildren<QObject *>();
    for (QObject *o : objects) {
        for (const auto &[property, text] : textsOf(o)) {
            if (text.trimmed().isEmpty())
                continue;
            if (o == window)
                shown.named[name + u'.' + property] = text;
            else if (reachableFrom(window, o))
                shown.named[name + u'.' + o->objectName() + u'.' + property] = text;
            else if (!wordless(text) && !o->objectName().startsWith(u"qt_"_s))
                shown.unreachable << name + u": "_s + QString::fromLatin1(o->metaObject()->className()) + u' ' +
                                         o->objectName() + u" \""_s + text + u'"';
        }
    }
}

class EnglishPackTest : public ShellFixture
{
protected:
    // The shipped English pack, active from the next start.
    void chooseEnglish()
    {
        const QString pack = testfiles::programPath(u"langues/English"_s);
        QDir().mkpath(programFile(u"langues/English"_s));
        for (const QString &file : QDir(pack).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(pack + u'/' + file, programFile(u"langues/English/"_s + file)));
        m_settings.setValue(u"General"_s, u"langue"_s, u"English"_s);
    }

    // Every designer window in turn, the ones up from the start and the ones that
    // open later, with the wizard at each of its steps (step counts from 1, else 0).
    void visitEveryWindow(const std::function<void(QWidget *window, int step)> &visit)
    {
        // The main window with its appearance editor open.
        session().mainWindow()->menus().appearances->trigger();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName().startsWith(u"Form"_s))
                visit(window, 0);
        }
        // The script editor takes its caption from the script it opens.
        session().parametersPanel()->findChild<QPushButton *>(u"ModifGlobal"_s)->click();
        visit(session().scriptEditor(), 0);
        session().scriptEditor()->hide();

        const MainMenus &menus = session().mainWindow()->menus();
        const auto modal = [&visit](QWidget &window) { visit(&window, 0); };
        whileOpen<CompileDialog>(menus.compileAutorun, modal);
        whileOpen<AboutBox>(menus.about, modal);
        whileOpen<PrintPreview>(menus.printBmp, modal);
        whileOpen<FilePropertiesDialog>(menus.properties, modal);

        TestWindow testRun(programFile(u"absent"_s), session().mainWindow());
        testRun.show();
        visit(&testRun, 0);
        testRun.close();

        session().shapeEditor().open();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && (window->objectName() == u"Form16"_s || window->objectName() == u"Form17"_s))
                visit(window, 0);
        }
        session().shapeEditor().close();

        menus.newWizard->trigger();
        WizardWindow *wizard = session().wizard();
        auto *next = wizard->findChild<QPushButton *>(u"suivant"_s);
        for (int step = 1;; ++step) {
            visit(wizard, step);
            if (!next->isEnabled())
                break;
            next->click();
        }
        delete wizard;
    }

    Shown shownEverywhere()
    {
        Shown shown;
        visitEveryWindow([&shown](QWidget *window, int step) {
            collect(window, shown);
            if (step > 0)
                shown.named[u"Form14.titre.Caption (step "_s + QString::number(step) + u')'] =
                    window->findChild<QLabel *>(u"titre"_s)->text();
        });
        shown.unreachable.removeDuplicates();
        return shown;
    }
};

} // namespace

TEST_F(EnglishPackTest, EveryWindowShowsEnglishAndEveryTextHasAScriptName)
{
    // The example fills the panel's texts that depend on the project.
    const QString example = testfiles::copyExample(m_user.filePath(u"demo"_s));
    ASSERT_TRUE(start());
    ASSERT_TRUE(session().storage().open(example));
    const Shown french = shownEverywhere();
    EXPECT_TRUE(french.unreachable.isEmpty()) << qPrintable(french.unreachable.join(u'\n'));
    m_startup.reset();
    QApplication::processEvents();

    chooseEnglish();
    ASSERT_TRUE(start());
    ASSERT_TRUE(session().storage().open(example));
    const Shown english = shownEverywhere();
    EXPECT_TRUE(english.unreachable.isEmpty()) << qPrintable(english.unreachable.join(u'\n'));

    // Words that read the same in both languages.
    static const QStringList same{u"OK"_s,      u"Private"_s,   u"Public"_s, u"Function"_s,       u"Sub"_s,
                                  u"Options"_s, u"&Options"_s,  u"Source"_s, u"&Source"_s,        u"Information"_s,
                                  u"ms"_s,      u"Stop"_s,      u"Zoom -"_s, u"Zoom +"_s,         u"Internet"_s,
                                  u"Visible"_s, u"Rectangle"_s, u"Oval"_s,   u"Langue/Language"_s};
    // Controls that show the project's or the user's data (the stored appearances
    // after the built-in one, the recent files). The item chooser's first
    // entry is the worksheet's key, which selection relies on.
    static const QRegularExpression data(
        u"^(Form2\\.Liste_apparences\\.List\\([1-9]\\d*\\)|Form2\\.fichier_recent_[1-9]\\d*|Form14\\.dossier|"_s
        u"Form4\\.Combo1)(\\.|$)"_s);
    QStringList frenchLeft;
    for (auto it = english.named.begin(); it != english.named.end(); ++it) {
        const QString &text = it.value();
        if (wordless(text) || same.contains(text) || data.match(it.key()).hasMatch())
            continue;
        bool phrase = false;
        for (const Phrases::Entry &entry : Phrases::table())
            phrase = phrase || (entry.french.trimmed().size() > 3 && text.contains(entry.french.trimmed()));
        if (phrase || french.named.value(it.key()) == text)
            frenchLeft << it.key() + u" = "_s + text;
    }
    EXPECT_TRUE(frenchLeft.isEmpty()) << qPrintable(frenchLeft.join(u'\n'));

    // A phrase the pack forgot would show an empty text.
    QStringList emptied;
    for (auto it = french.named.begin(); it != french.named.end(); ++it) {
        if (!english.named.contains(it.key()))
            emptied << it.key() + u" = "_s + it.value();
    }
    EXPECT_TRUE(emptied.isEmpty()) << qPrintable(emptied.join(u'\n'));
}

TEST_F(EnglishPackTest, QuittingWhileTheWizardIsUpIsTitledFromThePhraseList)
{
    const auto quitRefused = [this](const QString &text, const QString &title) {
        ASSERT_TRUE(start());
        session().openWizard();
        m_prompter.expectMessage(text, title, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
        EXPECT_FALSE(session().mainWindow()->close());
        EXPECT_TRUE(m_prompter.allAnswered());
        m_startup.reset();
        QApplication::processEvents();
    };
    quitRefused(u"Veuillez fermer l'assistant création avant de quitter."_s, u"Quitter..."_s);
    chooseEnglish();
    quitRefused(u"Please close the creation wizard before quitting."_s, u"Quit..."_s);
}

TEST_F(EnglishPackTest, ABrokenPluginFileIsExplainedInThePacksWords)
{
    chooseEnglish();
    testfiles::writeBytes(programFile(u"plugins.ini"_s), "[DEBUT]\r\nOne\r\ncl\r\nTwo");
    m_prompter.expectMessage({u"Cannot initialise the plug-ins. Reason: Lecture au-delà de la fin du fichier"_s,
                              u"Plug-in error"_s, MessageIcon::Critical},
                             Answer::Ok);
    ASSERT_TRUE(start());
    EXPECT_TRUE(m_prompter.allAnswered());
    const QList<QAction *> &entries = session().mainWindow()->plugins().entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first()->text(), u"One"_s);
}

TEST_F(EnglishPackTest, TransparencyEntriesWorkWhateverThePackCallsThem)
{
    chooseEnglish();
    ASSERT_TRUE(start());
    QAction *show = session().resources()->findChild<QAction *>(u"transp_voir"_s);
    ASSERT_EQ(show->text(), u"Show the current picture"_s);
    m_prompter.expectMessage(u"No image is set!"_s, QString(), MessageIcon::Exclamation, MessageButtons::Ok,
                             Answer::Ok);
    show->trigger();
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(EnglishPackTest, MessagesComposedByTheCodeComeFromThePhraseList)
{
    chooseEnglish();
    ASSERT_TRUE(start());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Yes"_s) << "Qt's own English";
    // The pack's phrase file ran to its end.
    for (const Phrases::Entry &entry : Phrases::table())
        EXPECT_FALSE(Phrases::text(static_cast<Phrase>(entry.number)).isEmpty()) << "phrase " << entry.number;

    // The panel's default icon is the pack's marker too.
    session().parametersPanel()->findChild<QPushButton *>(u"IconeParDefaut"_s)->click();
    EXPECT_EQ(session().project().settings().icon, u"(Default icon)"_s);

    const MainMenus &menus = session().mainWindow()->menus();
    whileOpen<CompileDialog>(menus.compileAutorun, [this](CompileDialog &dialog) {
        dialog.findChild<QLineEdit *>(u"repertoire"_s)->setText(m_user.filePath(u"absent"_s));
        m_prompter.expectMessage(u"The folder "_s + m_user.filePath(u"absent"_s) + u" does not exist. Create it?"_s,
                                 u"Compile"_s, MessageIcon::Question, MessageButtons::YesNo, Answer::No);
        m_prompter.expectMessage(u"Wrong folder!"_s, u"Error!"_s, MessageIcon::Critical, MessageButtons::Ok,
                                 Answer::Ok);
        dialog.findChild<QPushButton *>(u"valider"_s)->click();
    });

    session().shapeEditor().open();
    m_prompter.expectMessage(u"Clear the current shape of the menu?"_s, u"Shape editor"_s, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::No);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == u"Form17"_s)
            window->findChild<QPushButton *>(u"Command5"_s)->click();
    }
    session().shapeEditor().close();

    menus.newWizard->trigger();
    m_prompter.expectMessage(
        {u"Quit the wizard?"_s, u"Creation wizard"_s, MessageIcon::Question, MessageButtons::YesNo, 2}, Answer::Yes);
    session().wizard()->close();
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(EnglishPackTest, ScreenshotsOfEveryWindow)
{
    const QString folder = qEnvironmentVariable("ZEP_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "ZEP_SCREENSHOT_DIR names the folder for the pictures";
    chooseEnglish();
    ASSERT_TRUE(start());
    ASSERT_TRUE(session().storage().open(testfiles::copyExample(m_user.filePath(u"demo"_s))));
    ItemSelection &selection = session().document().selection();
    const auto save = [&folder](QWidget *window, const QString &name) {
        QApplication::processEvents();
        window->grab().save(QDir(folder).filePath(name + u".png"_s));
    };
    // The panel's three pages: the worksheet's, a button's and a text's.
    for (int entry : {0, 1, int(selection.entries().size()) - 1}) {
        selection.choose(selection.entries().at(entry));
        save(session().parametersPanel(), u"Form4-"_s + QString::number(entry));
    }
    session().scriptEditor()->show();
    visitEveryWindow([&save](QWidget *window, int step) {
        save(window, window->objectName() + (step > 0 ? u"-"_s + QString::number(step) : QString()));
    });
}
