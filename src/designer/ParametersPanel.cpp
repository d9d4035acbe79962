#include "designer/ParametersPanel.h"

#include "project/MenuProject.h"

#include <QComboBox>
#include <QEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ParametersPanel::ParametersPanel(MenuProject &project, QWidget *parent)
    : ToolWindow(u"Form4"_s, u"Paramètres"_s, parent), m_project(project), m_chooser(new QComboBox(this))
{
    m_chooser->setObjectName(u"Combo1"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_chooser);
    layout->addStretch();
    connect(&m_project, &MenuProject::chooserChanged, this, &ParametersPanel::refreshChooser);
    connect(&m_project, &MenuProject::selectionChanged, this, &ParametersPanel::refreshChooser);
    connect(m_chooser, &QComboBox::textActivated, &m_project, &MenuProject::chooseEntry);
    refreshChooser();
    resize(kWidthPixels, 400);
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
    m_chooser->addItems(m_project.chooser().entries());
    m_chooser->setCurrentIndex(m_project.chooser().currentIndex());
}
