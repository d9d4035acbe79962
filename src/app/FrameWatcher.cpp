#include "app/FrameWatcher.h"

#include <QEvent>
#include <QWidget>

FrameWatcher::FrameWatcher(const QList<QWidget *> &windows, QObject *parent) : QObject(parent)
{
    for (QWidget *window : windows) {
        m_margins.insert(window, marginsOf(window));
        window->installEventFilter(this);
    }
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        check();
        if (--m_checksLeft <= 0)
            stop();
    });
    m_timer.start();
}

QSize FrameWatcher::marginsOf(const QWidget *window)
{
    return window->frameGeometry().size() - window->size();
}

bool FrameWatcher::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (m_margins.contains(static_cast<QWidget *>(watched)) &&
        (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show))
        QTimer::singleShot(0, this, &FrameWatcher::check);
    return false;
}

void FrameWatcher::check()
{
    bool changed = false;
    bool allFramed = true;
    for (auto it = m_margins.begin(); it != m_margins.end(); ++it) {
        QWidget *window = it.key();
        if (!window->isVisible() || window->isMinimized())
            continue;
        const QSize margins = marginsOf(window);
        changed = changed || margins != it.value();
        it.value() = margins;
        allFramed = allFramed && !margins.isNull();
    }
    if (allFramed)
        stop();
    if (changed)
        emit framesChanged();
}

void FrameWatcher::stop()
{
    m_timer.stop();
    for (QWidget *window : m_margins.keys())
        window->removeEventFilter(this);
}
