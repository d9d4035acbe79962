#include "designer/ParametersPanel.h"

#include "common/gui/ScreenMetrics.h"
#include "designer/panel/ButtonPage.h"
#include "designer/panel/PanelContext.h"
#include "designer/panel/PanelRules.h"
#include "designer/panel/ProjectPage.h"
#include "designer/panel/TextPage.h"
#include "document/DesignerDocument.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;

ParametersPanel::ParametersPanel(DesignerDocument &document, Prompter &prompter, ClientSize clientSize, QWidget *parent)
    : ToolWindow(u"Form4"_s, u"Paramètres"_s, parent), m_document(document), m_project(document.project()),
      m_selection(document.selection()), m_tpp(screenmetrics::twipsPerPixel()), m_clientSize(std::move(clientSize)),
      m_topBar(new QWidget(this)), m_chooser(new QComboBox(m_topBar)), m_scrollBar(new QScrollBar(Qt::Vertical, this)),
      m_frame(new QWidget(this))
{
    if (!m_clientSize) {
        m_clientSize = [this] {
            const ProjectSettings &s = m_project.settings();
            return QSize(int(std::lround(m_tpp.toPixelsX(s.width))), int(std::lround(m_tpp.toPixelsY(s.height))));
        };
    }
    const PanelContext context{m_document, m_project, prompter, m_tpp, [this] { return m_clientSize(); }};

    m_chooser->setObjectName(u"Combo1"_s);
    auto *bar = new QHBoxLayout(m_topBar);
    bar->setContentsMargins(4, 4, 4, 4);
    bar->addWidget(m_chooser);
    m_topBar->setAutoFillBackground(true);

    m_scrollBar->setObjectName(u"VScroll1"_s);
    m_frame->setObjectName(u"Cadre"_s);
    m_projectPage = new ProjectPage(context, m_frame);
    m_buttonPage = new ButtonPage(context, m_frame);
    m_textPage = new TextPage(context, m_frame);
    auto *pages = new QVBoxLayout(m_frame);
    pages->setContentsMargins(0, 0, 0, 0);
    for (QWidget *page : std::initializer_list<QWidget *>{m_projectPage, m_buttonPage, m_textPage})
        pages->addWidget(page);

    connect(m_projectPage, &ProjectPage::scriptEditorRequested, this, &ParametersPanel::scriptEditorRequested);
    connect(m_buttonPage, &ButtonPage::scriptEditorRequested, this, &ParametersPanel::scriptEditorRequested);
    connect(m_buttonPage, &ButtonPage::transparencyPreviewed, this, &ParametersPanel::transparencyPreviewed);

    connect(&m_selection, &ItemSelection::entriesChanged, this, &ParametersPanel::refreshChooser);
    connect(&m_selection, &ItemSelection::selectionChanged, this, &ParametersPanel::followSelection);
    connect(&m_project, &MenuProject::projectReset, this, &ParametersPanel::followSelection);
    connect(m_chooser, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < m_selection.entries().size())
            m_selection.choose(m_selection.entries()[index]);
    });
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &ParametersPanel::scrollPages);

    setFixedWidth(int(std::lround(m_tpp.toPixelsX(kWidthTwips))));
    resize(width(), 560);
    followSelection();
}

bool ParametersPanel::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        emit firstActivated();
    }
    return ToolWindow::event(event);
}

void ParametersPanel::refreshChooser()
{
    const QSignalBlocker blocker(m_chooser);
    m_chooser->clear();
    m_chooser->addItems(m_selection.captions());
    m_chooser->setCurrentIndex(m_selection.currentIndex());
}

void ParametersPanel::followSelection()
{
    refreshChooser();
    m_projectPage->hide();
    m_buttonPage->hide();
    m_textPage->hide();
    const ItemRef chosen = m_selection.chosen();
    if (chosen.kind == ItemKind::Project) {
        m_projectPage->show();
    } else if (chosen.kind == ItemKind::Button) {
        m_buttonPage->showButton(m_selection.selectedButton());
        m_buttonPage->show();
    } else {
        m_textPage->showText(m_selection.selectedText());
        m_textPage->show();
    }
    m_scrollBar->setValue(0);
    layoutPages();
}

void ParametersPanel::resizeEvent(QResizeEvent *event)
{
    ToolWindow::resizeEvent(event);
    layoutPages();
}

void ParametersPanel::layoutPages()
{
    const int barHeight = m_topBar->sizeHint().height();
    m_topBar->setGeometry(0, 0, width(), barHeight);
    const int scrollTop = barHeight + int(std::lround(m_tpp.toPixelsY(panelscroll::kFrameOffset)));
    const int scrollWidth = m_scrollBar->sizeHint().width();
    m_scrollBar->setGeometry(
        width() - scrollWidth, scrollTop, scrollWidth,
        qMax(0, height() - scrollTop - int(std::lround(m_tpp.toPixelsY(panelscroll::kBottomMargin)))));

    const int frameWidth = width() - scrollWidth;
    QLayout *pages = m_frame->layout();
    pages->activate();
    const int frameHeight =
        pages->hasHeightForWidth() ? pages->totalHeightForWidth(frameWidth) : pages->totalSizeHint().height();
    m_frame->resize(frameWidth, frameHeight);
    m_scrollBar->setMaximum(panelscroll::maximum(m_tpp.toTwipsY(frameHeight)));
    scrollPages(m_scrollBar->value());
    m_topBar->raise();
}

void ParametersPanel::scrollPages(int value)
{
    const double scrollTop = m_tpp.toTwipsY(m_scrollBar->y());
    m_frame->move(0, int(std::lround(m_tpp.toPixelsY(panelscroll::frameTop(scrollTop, value)))));
}

void ParametersPanel::prepareForBuild()
{
    m_selection.choose(ItemRef::project());
}
