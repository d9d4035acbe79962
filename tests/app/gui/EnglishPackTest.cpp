#include "ShellFixture.h"

#include "app/WidgetScriptObject.h"
#include "common/Phrases.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

// Every text a user can read on the windows named Form…, keyed by window and control.
QMap<QString, QString> shownTexts()
{
    QMap<QString, QString> texts;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->objectName().startsWith(u"Form"_s))
            continue;
        const QString w = window->objectName();
        texts[w + u".Caption"_s] = window->windowTitle();
        for (QObject *o : WidgetScriptObject::namedDescendants(window)) {
            const QString key = w + u'.' + o->objectName();
            if (auto *a = qobject_cast<QAction *>(o))
                texts[key] = a->text();
            else if (auto *m = qobject_cast<QMenu *>(o))
                texts[key] = m->title();
            else if (auto *b = qobject_cast<QAbstractButton *>(o))
                texts[key] = b->text();
            else if (auto *l = qobject_cast<QLabel *>(o))
                texts[key] = l->text();
            else if (auto *g = qobject_cast<QGroupBox *>(o))
                texts[key] = g->title();
            else if (auto *c = qobject_cast<QComboBox *>(o)) {
                for (int i = 0; i < c->count(); ++i)
                    texts[key + u".List("_s + QString::number(i) + u')'] = c->itemText(i);
            }
            if (auto *t = qobject_cast<QWidget *>(o); t && !t->toolTip().isEmpty())
                texts[key + u".ToolTipText"_s] = t->toolTip();
        }
    }
    return texts;
}

} // namespace

TEST_F(ShellFixture, EnglishPackLeavesNoFrenchTextOnScreen)
{
    ASSERT_TRUE(start());
    const auto french = shownTexts();
    m_startup.reset();
    QApplication::processEvents();

    const QString pack = testfiles::programPath(u"langues/English"_s);
    QDir().mkpath(programFile(u"langues/English"_s));
    for (const QString &file : QDir(pack).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(pack + u'/' + file, programFile(u"langues/English/"_s + file)));
    m_settings.setValue(u"General"_s, u"langue"_s, u"English"_s);
    ASSERT_TRUE(start());
    const auto english = shownTexts();

    // Texts that read the same in both languages. "Feuille de travail" is also the item
    // chooser's key for the worksheet, which selection relies on.
    static const QStringList same{u"?"_s, u"&?"_s, u"..."_s, u"X"_s, u"D"_s, u"+"_s, u"-"_s, u"OK"_s, u"[?]"_s,
                                  u"X=0000"_s, u"Y=0000"_s, u"Private"_s, u"Public"_s, u"Function"_s, u"Sub"_s,
                                  u"Options"_s, u"&Options"_s, u"Source"_s, u"&Source"_s, u"&F.A.Q."_s,
                                  u"Information"_s, u"Langue/Language"_s, u"English"_s, u"Procédures"_s, u"Feuille de travail"_s};
    QStringList frenchLeft;
    for (auto it = english.begin(); it != english.end(); ++it) {
        const QString &text = it.value();
        if (text.trimmed().isEmpty() || same.contains(text))
            continue;
        bool phrase = false;
        for (const Phrases::Entry &entry : Phrases::table())
            phrase = phrase || (entry.french.size() > 3 && text.contains(entry.french.trimmed()));
        if (it.key() == u"Form4.Combo1.List(0)"_s)
            phrase = false;
        if (phrase || french.value(it.key()) == text)
            frenchLeft << it.key() + u" = "_s + text;
    }
    EXPECT_TRUE(frenchLeft.isEmpty()) << qPrintable(frenchLeft.join(u'\n'));
}
