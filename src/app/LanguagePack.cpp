#include "app/LanguagePack.h"

#include "app/WidgetScriptObject.h"
#include "app/core/PhraseListObject.h"
#include "common/Phrases.h"
#include "prompt/Prompter.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const char *const kTranslated = "zepPackRun";

bool isDesignerWindow(const QObject *o)
{
    static const QRegularExpression scriptName(u"^Form\\d+$"_s);
    const auto *w = qobject_cast<const QWidget *>(o);
    return w && w->isWindow() && scriptName.match(w->objectName()).hasMatch();
}

} // namespace

LanguagePack::LanguagePack(const QString &programFolder, const QString &language, Prompter &prompter,
                           QObject *parent)
    : QObject(parent), m_packs(programFolder), m_prompter(prompter), m_language(language),
      m_active(!language.isEmpty() && QDir(m_packs.packFolder(language)).exists())
{
    Phrases::setPackActive(m_active);
}

LanguagePack::~LanguagePack()
{
    if (!m_active)
        return;
    qApp->removeEventFilter(this);
    Phrases::setPackActive(false);
}

void LanguagePack::translate(QWidget *window)
{
    if (!m_active || window->property(kTranslated).toBool())
        return;
    window->setProperty(kTranslated, true);

    // The window's controls are usable by their own names too; the window and the
    // phrase list win over a control of the same name.
    PackScript::Objects objects;
    QSet<QString> taken{window->objectName().toLower(), u"liste"_s};
    for (QObject *o : WidgetScriptObject::namedDescendants(window)) {
        if (!taken.contains(o->objectName().toLower())) {
            taken.insert(o->objectName().toLower());
            objects.emplace_back(o->objectName(), std::make_shared<WidgetScriptObject>(o));
        }
    }
    objects.emplace_back(window->objectName(), std::make_shared<WidgetScriptObject>(window));
    objects.emplace_back(u"Liste"_s, std::make_shared<PhraseListObject>(Phrases::list()));

    runFile(window->objectName(), objects);
    if (window->objectName() == u"Form2"_s)
        runFile(u"phrases"_s, objects);
}

void LanguagePack::runFile(const QString &name, const PackScript::Objects &objects)
{
    const QString path = m_packs.scriptFile(m_language, name);
    const qsizetype phrases = Phrases::list().size();
    const PackScript::Result result = PackScript::runFile(path, objects);
    if (result != PackScript::Result::OverTime && result != PackScript::Result::OverMemory)
        return;
    // What a runaway file added to the phrase list would stay in memory for the whole run.
    if (result == PackScript::Result::OverMemory && Phrases::list().size() > phrases)
        Phrases::list().resize(phrases);
    m_prompter.message(PackScript::stopped(path, result));
}

void LanguagePack::translateNewWindows()
{
    if (m_active)
        qApp->installEventFilter(this);
}

bool LanguagePack::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && isDesignerWindow(watched))
        translate(static_cast<QWidget *>(watched));
    return QObject::eventFilter(watched, event);
}
