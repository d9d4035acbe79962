#include "script/gui/ScriptEditorWindow.h"

#include "common/Fold.h"
#include "common/gui/ScreenMetrics.h"
#include "document/DesignerDocument.h"
#include "prompt/Prompter.h"
#include "script/AssistantDialogues.h"
#include "script/BannerInsertion.h"
#include "script/CursorMenu.h"
#include "script/ReservedCharacters.h"
#include "script/ScriptFormatter.h"
#include "script/SlotText.h"
#include "script/gui/CodeBox.h"
#include "script/gui/NewProcedurePanel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kPassDelayMs = 10;

// Figures in twips.
constexpr int kButtonTop = 120;
constexpr int kButtonHeight = 375;
constexpr int kTestLeft = 0;
constexpr int kTestWidth = 1095;
constexpr int kAssistantLeft = 1200;
constexpr int kAssistantWidth = 1695;
constexpr int kNewProcedureLeft = 3000;
constexpr int kNewProcedureWidth = 1815;
constexpr int kAutoFormatLeft = 4920;
constexpr int kAutoFormatWidth = 2775;
constexpr int kBandTop = 600;
constexpr int kBandHeight = 375;
constexpr int kComboWidth = 3000;
constexpr int kComboGap = 150;
constexpr int kCodeTop = 960;
constexpr int kPanelInset = 600;
constexpr int kInitialWidth = 9600;
constexpr int kInitialHeight = 7200;

} // namespace

ScriptEditorWindow::ScriptEditorWindow(DesignerDocument &document, Prompter &prompter, std::function<void()> testRun,
                                       QWidget *parent)
    : ToolWindow(u"Form5"_s, u"Code VBS"_s, parent), m_document(document), m_project(document.project()),
      m_selection(document.selection()), m_prompter(prompter), m_testRun(std::move(testRun)),
      m_formatTimer(new QTimer(this)), m_procedureTimer(new QTimer(this)), m_blinkTimer(new QTimer(this))
{
    m_formatTimer->setObjectName(u"minuteur_format"_s);
    m_procedureTimer->setObjectName(u"minuteur_procedures"_s);
    m_blinkTimer->setObjectName(u"clignotement"_s);
    buildControls();
    buildCursorMenu();
    m_assistantMenu = buildMenu(u"assistant_vbs"_s, assistantmenu::title(), assistantmenu::items());

    for (QTimer *timer : {m_formatTimer, m_procedureTimer}) {
        timer->setSingleShot(true);
        timer->setInterval(kPassDelayMs);
    }
    connect(m_formatTimer, &QTimer::timeout, this, &ScriptEditorWindow::formatPass);
    connect(m_procedureTimer, &QTimer::timeout, this, &ScriptEditorWindow::refreshProcedures);
    m_blinkTimer->setInterval(cursormenu::kBlinkIntervalMs);
    connect(m_blinkTimer, &QTimer::timeout, this, [this] {
        QFont font = m_cursorPrompt->font();
        font.setItalic(!font.italic());
        m_cursorPrompt->setFont(font);
    });

    connect(&m_selection, &ItemSelection::selectionChanged, this, &ScriptEditorWindow::followSelection);
    connect(&m_project, &MenuProject::projectReset, this, &ScriptEditorWindow::followSelection);
    connect(&m_project, &MenuProject::settingChanged, this, &ScriptEditorWindow::followUndo);
    connect(&m_project, &MenuProject::buttonChanged, this, &ScriptEditorWindow::followUndo);

    const TwipsPerPixel tpp = screenmetrics::twipsPerPixel();
    resize(qRound(tpp.toPixelsX(kInitialWidth)), qRound(tpp.toPixelsY(kInitialHeight)));
    watchKeys(this);
    // The load-time pass, while the box is still empty: a script is only reformatted
    // where its author edits it.
    formatPass();
}

void ScriptEditorWindow::buildControls()
{
    m_testButton = new QPushButton(u"F5 - &Tester"_s, this);
    m_testButton->setObjectName(u"tester"_s);
    m_assistantButton = new QPushButton(u"Assistant"_s, this);
    m_assistantButton->setObjectName(u"assistant"_s);
    m_newProcedureButton = new QPushButton(u"Nouvelle procédure"_s, this);
    m_newProcedureButton->setObjectName(u"nouvelle_procedure_bouton"_s);
    m_autoFormat = new QCheckBox(u"Mise en forme automatique"_s, this);
    m_autoFormat->setObjectName(u"mise_en_forme"_s);
    m_autoFormat->setChecked(true);

    m_band = new QWidget(this);
    m_band->setObjectName(u"bandeau"_s);
    m_cursorPrompt = new QLabel(cursormenu::promptLabel(), m_band);
    m_cursorPrompt->setObjectName(u"choix_curseur"_s);
    m_cursorPrompt->setStyleSheet(u"color: rgb(192, 0, 0);"_s);
    m_cursorPrompt->setCursor(Qt::PointingHandCursor);
    m_cursorPrompt->hide();
    m_procedures = new QComboBox(m_band);
    m_procedures->setObjectName(u"procedures"_s);

    m_code = new CodeBox(this);
    m_code->setObjectName(u"code"_s);
    m_newProcedure = new NewProcedurePanel(this);

    m_waitPanel = new QLabel(u"Veuillez patienter..."_s, this);
    m_waitPanel->setObjectName(u"patienter"_s);
    m_waitPanel->setAlignment(Qt::AlignCenter);
    m_waitPanel->setFrameShape(QFrame::Panel);
    m_waitPanel->setFrameShadow(QFrame::Raised);
    m_waitPanel->setAutoFillBackground(true);
    m_waitPanel->hide();

    connect(m_testButton, &QPushButton::clicked, this, [this] {
        if (m_testRun)
            m_testRun();
    });
    connect(m_assistantButton, &QPushButton::clicked, this,
            [this] { m_assistantMenu->popup(m_assistantButton->mapToGlobal(QPoint(0, m_assistantButton->height()))); });
    connect(m_newProcedureButton, &QPushButton::clicked, m_newProcedure, &NewProcedurePanel::open);
    connect(m_newProcedure, &NewProcedurePanel::appendRequested, this, [this](const QString &text) {
        const qsizetype end = m_code->script().size();
        m_code->replaceScript(end, end, text);
    });
    connect(m_code, &QPlainTextEdit::textChanged, this, &ScriptEditorWindow::codeChanged);
    connect(m_code, &CodeBox::plainEnterPressed, m_formatTimer, qOverload<>(&QTimer::start));
    connect(m_procedures, &QComboBox::activated, this, &ScriptEditorWindow::chooseProcedure);
    refreshProcedures();
}

QMenu *ScriptEditorWindow::buildMenu(const QString &name, const QString &title, const QList<AssistantMenuItem> &items)
{
    auto *menu = new QMenu(title, this);
    menu->setObjectName(name);
    int place = 0;
    for (const AssistantMenuItem &item : items) {
        if (item.kind == AssistantMenuItem::Kind::Separator) {
            menu->addSeparator();
            continue;
        }
        const QString itemName = name + u'_' + QString::number(++place);
        if (item.kind == AssistantMenuItem::Kind::SubMenu)
            menu->addMenu(buildMenu(itemName, item.caption, item.children));
        else
            menu->addAction(item.caption, this, [this, action = item.action] { runAssistant(action); })
                ->setObjectName(itemName);
    }
    return menu;
}

void ScriptEditorWindow::buildCursorMenu()
{
    m_cursorMenu = new QMenu(this);
    m_cursorMenu->setObjectName(u"menu_curseur"_s);
    for (const cursormenu::Entry &entry : cursormenu::entries())
        m_cursorMenu->addAction(entry.caption, this, [this, pointer = entry.pointer] { chooseCursor(pointer); })
            ->setObjectName(u"curseur_"_s + QString::number(entry.pointer));
}

void ScriptEditorWindow::watchKeys(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool ScriptEditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F5 && !key->isAutoRepeat()) {
            if (m_testRun)
                m_testRun();
            return true;
        }
    }
    // Typing in the code box is one edit until the box loses the focus.
    if (watched == m_code && event->type() == QEvent::FocusOut)
        m_document.endBurst();
    if (watched == m_cursorPrompt && event->type() == QEvent::MouseButtonRelease) {
        openCursorMenu();
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

void ScriptEditorWindow::resizeEvent(QResizeEvent *event)
{
    ToolWindow::resizeEvent(event);
    layOut();
}

void ScriptEditorWindow::closeEvent(QCloseEvent *event)
{
    // Every change is already in the project: closing only hides the window.
    event->accept();
}

void ScriptEditorWindow::layOut()
{
    const TwipsPerPixel tpp = screenmetrics::twipsPerPixel();
    const auto x = [&tpp](int twips) { return qRound(tpp.toPixelsX(twips)); };
    const auto y = [&tpp](int twips) { return qRound(tpp.toPixelsY(twips)); };
    const int width = this->width();
    const int height = this->height();

    m_testButton->setGeometry(x(kTestLeft), y(kButtonTop), x(kTestWidth), y(kButtonHeight));
    m_assistantButton->setGeometry(x(kAssistantLeft), y(kButtonTop), x(kAssistantWidth), y(kButtonHeight));
    m_newProcedureButton->setGeometry(x(kNewProcedureLeft), y(kButtonTop), x(kNewProcedureWidth), y(kButtonHeight));
    m_autoFormat->setGeometry(x(kAutoFormatLeft), y(kButtonTop), x(kAutoFormatWidth), y(kButtonHeight));

    m_band->setGeometry(0, y(kBandTop), width, y(kBandHeight));
    m_cursorPrompt->setGeometry(0, 0, m_cursorPrompt->sizeHint().width(), y(kBandHeight));
    m_procedures->setGeometry(width - x(kComboWidth) - x(kComboGap), 0, x(kComboWidth), y(kBandHeight));

    const int codeTop = y(kCodeTop);
    m_code->setGeometry(0, codeTop, width, std::max(0, height - codeTop));

    const QSize panel = m_newProcedure->sizeHint();
    m_newProcedure->setGeometry(x(kPanelInset), codeTop + y(kPanelInset), panel.width(), panel.height());
    const QSize wait(std::min(width, x(kAutoFormatLeft)), y(kBandHeight) * 3);
    m_waitPanel->setGeometry((width - wait.width()) / 2, codeTop + std::max(0, (height - codeTop - wait.height()) / 2),
                             wait.width(), wait.height());
}

void ScriptEditorWindow::setWaitPanelVisible(bool visible)
{
    m_waitPanel->setVisible(visible);
    if (visible) {
        m_waitPanel->raise();
        m_waitPanel->repaint();
    }
}

QWidget *ScriptEditorWindow::waitPanel() const
{
    return m_waitPanel;
}

void ScriptEditorWindow::restoreCodeLook()
{
    m_code->useCodeLook();
}

void ScriptEditorWindow::openSlot(ScriptSlot slot, const QString &caption)
{
    show();
    raise();
    activateWindow();
    retarget(slot, caption);
}

void ScriptEditorWindow::retarget(ScriptSlot slot, const QString &caption)
{
    setWindowTitle(caption);
    m_document.endBurst();
    m_target = slot;
    const slottext::Opening opening = slottext::open(slot, storedValue(slot));
    m_code->setScript(opening.shown);
    m_code->moveCursor(QTextCursor::Start);
    // A default put in place on opening is a step of its own, apart from the typing.
    m_document.endBurst();
}

QString ScriptEditorWindow::storedValue(ScriptSlot slot) const
{
    const int button = m_selection.selectedButton();
    const bool buttonSlot = slot == ScriptSlot::Bouton || slot == ScriptSlot::BoutonSurvol;
    if (buttonSlot && button > 0 && button < m_project.buttonSlotsInUse())
        return slot == ScriptSlot::Bouton ? m_project.button(button).code : m_project.button(button).hoverCode;
    if (slot == ScriptSlot::EditPrinc)
        return m_project.settings().startupAction;
    if (slot == ScriptSlot::Minuteur)
        return m_project.settings().timerCode;
    if (slot == ScriptSlot::Global)
        return m_project.settings().globalCode;
    if (slot == ScriptSlot::SurvolFenetre)
        return m_project.settings().windowHoverCode;
    return {};
}

void ScriptEditorWindow::followUndo()
{
    if (!m_target)
        return;
    const QString stored = storedValue(*m_target);
    if (slottext::storedForm(*m_target, m_code->script()) == stored)
        return;
    // An undone or redone edit is shown, not written back again.
    const QSignalBlocker blocker(m_code);
    m_code->setScript(slottext::open(*m_target, stored).shown);
}

void ScriptEditorWindow::followSelection()
{
    const int button = m_selection.selectedButton();
    if (button > 0 && button < m_project.buttonSlotsInUse()) {
        const MenuButton &selected = m_project.button(button);
        if (selected.kind == ButtonKind::Code && m_selection.chosen() == ItemRef::button(button))
            retarget(ScriptSlot::Bouton, scriptOpening(ScriptOpener::ButtonScript, button).caption);
    }
    hide();
}

void ScriptEditorWindow::codeChanged()
{
    const QString text = m_code->script();
    const reservedchars::Step step = reservedchars::step(text);
    if (step.messageDue) {
        const qsizetype caret = m_code->caret();
        m_prompter.message(reservedchars::message());
        m_code->updateScript(step.text);
        m_code->setCaret(caret - std::count_if(text.cbegin(), text.cbegin() + caret, fold::isReserved));
        return;
    }
    store(text);
    m_procedureTimer->start();
}

void ScriptEditorWindow::store(const QString &text)
{
    if (!m_target)
        return;
    const QString value = slottext::storedForm(*m_target, text);
    const QString burst = u"script"_s;
    const auto setting = [&](QString ProjectSettings::*member) {
        ProjectSettings s = m_project.settings();
        s.*member = value;
        m_document.editSettings(s, burst);
    };
    const int button = m_selection.selectedButton();
    switch (*m_target) {
    case ScriptSlot::Bouton:
    case ScriptSlot::BoutonSurvol:
        // The hidden template (slot 0) never takes a script.
        if (button > 0 && button < m_project.buttonSlotsInUse()) {
            MenuButton changed = m_project.button(button);
            (*m_target == ScriptSlot::Bouton ? changed.code : changed.hoverCode) = value;
            m_document.editButton(button, changed, burst);
        }
        break;
    case ScriptSlot::EditPrinc:
        setting(&ProjectSettings::startupAction);
        break;
    case ScriptSlot::Minuteur:
        setting(&ProjectSettings::timerCode);
        break;
    case ScriptSlot::Global:
        setting(&ProjectSettings::globalCode);
        break;
    case ScriptSlot::SurvolFenetre:
        setting(&ProjectSettings::windowHoverCode);
        break;
    }
}

void ScriptEditorWindow::runAssistant(AssistantAction action)
{
    AssistantDialogues dialogues(m_prompter);
    const AssistantOutcome outcome = dialogues.run(action);
    if (outcome.snippet)
        insertSnippet(*outcome.snippet);
    else if (!outcome.cursorTarget.isEmpty())
        startCursorPrompt(outcome.cursorTarget);
}

void ScriptEditorWindow::insertSnippet(const Snippet &snippet)
{
    const EditorText before{m_code->script(), m_code->selectionStart(), m_code->selectionLength()};
    const EditorText after = insertWithBanner(before, snippet);
    const qsizetype start = std::min(before.selectionStart, before.text.size());
    const qsizetype end = std::min(start + before.selectionLength, before.text.size());
    const qsizetype blockLength = after.text.size() - (before.text.size() - (end - start));
    m_code->replaceScript(start, end, after.text.mid(start, blockLength));
    m_code->setCaret(after.selectionStart);
    m_code->setFocus();
}

void ScriptEditorWindow::startCursorPrompt(const QString &target)
{
    m_cursorTarget = target;
    m_cursorPrompt->show();
    m_blinkTimer->start();
}

void ScriptEditorWindow::openCursorMenu()
{
    m_cursorPrompt->hide();
    m_blinkTimer->stop();
    QFont font = m_cursorPrompt->font();
    font.setItalic(false);
    m_cursorPrompt->setFont(font);
    m_cursorMenu->popup(QCursor::pos());
}

void ScriptEditorWindow::chooseCursor(int pointer)
{
    if (const std::optional<Snippet> snippet = cursormenu::choose(m_prompter, m_cursorTarget, pointer))
        insertSnippet(*snippet);
}

void ScriptEditorWindow::formatPass()
{
    m_formatTimer->stop();
    if (!m_autoFormat->isChecked())
        return;
    const QString text = m_code->script();
    const std::optional<scriptformatter::Result> result = scriptformatter::pass(text, m_code->caret());
    if (!result)
        return;
    m_code->updateScript(result->text);
    m_code->setCaret(result->caret);
    m_code->setFocus();
}

void ScriptEditorWindow::refreshProcedures()
{
    m_procedureTimer->stop();
    m_procedureList = ProcedureList::scan(m_code->script());
    const QSignalBlocker blocker(m_procedures);
    m_procedures->clear();
    m_procedures->addItems(m_procedureList.entries());
    m_procedures->setCurrentIndex(0);
}

void ScriptEditorWindow::chooseProcedure(int index)
{
    const QString text = m_code->script();
    const std::optional<qsizetype> caret = m_procedureList.caretFor(m_procedures->itemText(index), text);
    if (caret) {
        m_code->setCaret(text.size());
        m_code->setCaret(*caret);
    }
    m_procedures->setCurrentIndex(0);
    m_code->setFocus();
}
