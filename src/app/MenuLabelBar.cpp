#include "app/MenuLabelBar.h"

#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

MenuLabelBar::MenuLabelBar(QWidget *window)
    : QObject(window), m_window(window), m_reference(new QLabel(window)), m_timer(new QTimer(this))
{
    m_reference->setObjectName(QStringLiteral("Label_reference"));
    m_reference->hide();
    m_timer->setInterval(300);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &MenuLabelBar::restoreAll);
    m_window->installEventFilter(this);
    m_window->setMouseTracking(true);
}

void MenuLabelBar::addMenu(const QString &labelName, QMenu *menu)
{
    QString caption = menu->title();
    caption.remove(u'&');
    auto *label = new QLabel(caption, m_window);
    label->setObjectName(labelName);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    m_labels.append({label, menu});
    connect(menu, &QMenu::aboutToHide, this, &MenuLabelBar::restoreAll);
}

bool MenuLabelBar::isHighlighted(int index) const
{
    const QPalette p = m_labels[index].label->palette();
    return p.color(QPalette::Window) == m_reference->palette().color(QPalette::WindowText)
           && p.color(QPalette::WindowText) == m_reference->palette().color(QPalette::Window);
}

void MenuLabelBar::restoreAll()
{
    m_timer->stop();
    for (const Entry &e : m_labels)
        e.label->setPalette(m_reference->palette());
}

void MenuLabelBar::startRestoreTimer()
{
    m_timer->start();
}

void MenuLabelBar::highlight(int index)
{
    restoreAll();
    QPalette swapped = m_reference->palette();
    swapped.setColor(QPalette::Window, m_reference->palette().color(QPalette::WindowText));
    swapped.setColor(QPalette::WindowText, m_reference->palette().color(QPalette::Window));
    m_labels[index].label->setPalette(swapped);
}

bool MenuLabelBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::WindowDeactivate)
            restoreAll();
        return false;
    }
    for (int i = 0; i < m_labels.size(); ++i) {
        if (watched != m_labels[i].label)
            continue;
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            highlight(i);
            return true; // the window underneath would take it back
        } else if (event->type() == QEvent::MouseButtonPress) {
            highlight(i);
            QLabel *label = m_labels[i].label;
            m_labels[i].menu->popup(label->mapToGlobal(QPoint(0, label->height())));
            return true;
        }
    }
    return false;
}
