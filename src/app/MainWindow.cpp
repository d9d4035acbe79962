#include "app/MainWindow.h"

#include "about/AboutBox.h"
#include "app/AppearanceEditor.h"
#include "app/MainMenus.h"
#include "app/MenuLabelBar.h"
#include "app/OptionsController.h"
#include "app/PluginMenu.h"
#include "app/RecentFilesMenu.h"
#include "app/core/AppIdentity.h"
#include "app/core/DocumentLifecycle.h"
#include "app/core/FileAssociation.h"
#include "app/core/ManualLink.h"
#include "app/core/MenuBarLayout.h"
#include "app/core/WebLinks.h"
#include "common/Phrases.h"
#include "common/ProgramVersion.h"
#include "common/gui/ScreenMetrics.h"
#include "prompt/Prompter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <cmath>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(Services services, QWidget *parent)
    : ToolWindow(u"Form2"_s, caption(), parent), m_services(services),
      m_menus(std::make_unique<MainMenus>(this)), m_labels(new MenuLabelBar(this)),
      m_options(new OptionsController(services.programFolder, *m_menus, this)),
      m_recentMenu(new RecentFilesMenu(services.recentFiles, m_menus->file, m_menus->recentEnd, this)),
      m_editor(new AppearanceEditor(services.appearances, services.prompter, this)),
      m_sampleField(new QLineEdit(this)), m_sampleLabel(new QLabel(this)),
      m_plugins(new PluginMenu(m_menus->misc, services.prompter,
                               PluginRunner::desktopActions([this] { openAppearanceEditor(); }), this))
{
    // Hidden samples keep the design colours and font that appearances start from.
    m_sampleField->setObjectName(u"Text_exemple"_s);
    m_sampleField->hide();
    m_sampleLabel->setObjectName(u"Label_exemple"_s);
    m_sampleLabel->hide();

    const QStringList labelNames{u"Label_fichier"_s, u"Label_source"_s, u"Label_creer"_s,
                                 u"Label_divers"_s,  u"Label_options"_s, u"Label_aide"_s};
    const auto bar = m_menus->bar();
    for (int i = 0; i < bar.size(); ++i)
        m_labels->addMenu(labelNames[i], bar[i]);

    m_editor->hide();
    // A tried theme is the one in use: the next write of the options stores it.
    connect(m_editor, &AppearanceEditor::tryRequested, this, [this](const Appearance &a) {
        m_options->setAppearance(a);
        emit appearanceApplied(a);
    });
    connect(m_editor, &AppearanceEditor::loadRequested, this, [this](const Appearance &a) {
        m_options->setAppearance(a);
        emit appearanceApplied(a);
        m_options->write();
    });
    connect(m_editor, &AppearanceEditor::closeRequested, this, &MainWindow::closeAppearanceEditor);
    connect(m_options, &OptionsController::appearanceRead, this, &MainWindow::appearanceApplied);
    connect(m_options, &OptionsController::writeFailed, this,
            [this](const ZepError &error) { m_services.prompter.message(appid::writeFailure(error)); });

    connectDocumentCommands();
    connectOptionsAndHelp();
    layOutBar();
}

MainWindow::~MainWindow() = default;

QString MainWindow::caption()
{
    return u"ZEP v"_s + version::majorMinor() + u" - "_s + Phrases::text(Phrase::MenuCreator);
}

Appearance MainWindow::designedAppearance() const
{
    Appearance a = Appearance::systemDefault(QApplication::palette());
    a.font = m_sampleLabel->font().family();
    return a;
}

void MainWindow::layOutBar()
{
    const TwipsPerPixel tpp = screenmetrics::twipsPerPixel();
    QList<double> widths;
    for (int i = 0; i < m_labels->count(); ++i)
        widths << m_labels->label(i)->fontMetrics().horizontalAdvance(m_labels->label(i)->text()) * tpp.x;
    const QList<QRectF> places = MenuBarLayout::labels(widths);
    for (int i = 0; i < places.size(); ++i)
        m_labels->label(i)->setGeometry(screenmetrics::toPixels(places[i], tpp));
    const double heightTwips =
        m_editor->isVisible() ? MenuBarLayout::kWindowHeightWithEditor : MenuBarLayout::kWindowHeight;
    resize(int(std::lround(tpp.toPixelsX(kWidthTwips))), int(std::lround(tpp.toPixelsY(heightTwips))));
    const int top = int(std::lround(tpp.toPixelsY(MenuBarLayout::kWindowHeight)));
    m_editor->setGeometry(0, top, width(), std::max(0, height() - top));
}

void MainWindow::loadPlugins()
{
    m_plugins->load(m_services.programFolder + u"plugins.ini"_s);
}

void MainWindow::openAppearanceEditor()
{
    m_editor->open(m_options->appearance(), Appearance::systemDefault(QApplication::palette()));
    m_editor->show();
    layOutBar();
}

void MainWindow::closeAppearanceEditor()
{
    m_editor->hide();
    layOutBar();
}

void MainWindow::connectDocumentCommands()
{
    DocumentLifecycle &doc = m_services.lifecycle;
    connect(m_menus->newBlank, &QAction::triggered, this, [&doc] { doc.newBlank(); });
    connect(m_menus->newWizard, &QAction::triggered, this, [&doc] { doc.newWithWizard(); });
    connect(m_menus->open, &QAction::triggered, this, [this, &doc] { doc.open(m_menus->open->text()); });
    connect(m_menus->save, &QAction::triggered, this, [&doc] { doc.save(); });
    connect(m_menus->saveAs, &QAction::triggered, this, [this, &doc] { doc.saveAs(m_menus->saveAs->text()); });
    connect(m_menus->refresh, &QAction::triggered, this, [&doc] { doc.refresh(); });
    connect(m_menus->editSource, &QAction::triggered, this, [&doc] { doc.showSource(); });
    connect(m_menus->quit, &QAction::triggered, this, [this] { close(); });
    connect(m_recentMenu, &RecentFilesMenu::chosen, this, [&doc](const QString &path) { doc.openRecent(path); });
}

void MainWindow::connectOptionsAndHelp()
{
    connect(m_menus->associate, &QAction::triggered, this, [this] {
        if (const ZepError error = m_services.associate(); error.isError())
            m_services.prompter.message(appid::writeFailure(error));
        else
            m_services.prompter.message(FileAssociation::doneMessage());
    });
    connect(m_menus->appearances, &QAction::triggered, this, &MainWindow::openAppearanceEditor);

    WebLinks &links = m_services.links;
    connect(m_menus->manual, &QAction::triggered, this, [this] { m_services.manual.open(); });
    connect(m_menus->faq, &QAction::triggered, this, [&links] { links.open(links.faq()); });
    connect(m_menus->examples, &QAction::triggered, this, [&links] { links.open(links.examples()); });
    connect(m_menus->tips, &QAction::triggered, this, [&links] { links.open(links.tips()); });
    connect(m_menus->reportBug, &QAction::triggered, this, [this, &links] {
        WebLinks::BugTexts texts;
        if (Phrases::packActive())
            texts.title = m_menus->reportBug->text().remove(u'&');
        links.reportBug(texts);
    });
    connect(m_menus->latestVersion, &QAction::triggered, this,
            [&links] { links.open(links.versionCheck(version::full(), QString())); });
    connect(m_menus->support, &QAction::triggered, this, [this] {
        m_services.prompter.message(Phrases::text(Phrase::SupportWriteTo) + version::contact() +
                                        Phrases::text(Phrase::SupportOrFaq) + version::website(),
                                    Phrases::text(Phrase::Support), MessageIcon::Information);
    });
    connect(m_menus->about, &QAction::triggered, this, [this] {
        AboutBox box(this);
        box.exec();
    });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Quitting shuts every window down itself; a refused quit keeps the program going.
    event->setAccepted(m_services.lifecycle.quit());
}
