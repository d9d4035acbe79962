#include "app/FrameWatcher.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

FrameWatcher::FrameWatcher(const QList<QWidget *> &windows, QObject *parent) : QObject(parent)
{
    for (QWidget *window : windows) {
        m_margins.insert(window, marginsOf(window));
        window->installEventFilter(this);
    }
}

QSize FrameWatcher::marginsOf(const QWidget *window)
{
    return window->frameGeometry().size() - window->size();
}

bool FrameWatcher::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show)
        return false;
    auto *window = static_cast<QWidget *>(watched);
    if (!window->isVisible() || window->isMinimized())
        return false;
    const QSize margins = marginsOf(window);
    QSize &known = m_margins[watched];
    if (margins == known)
        return false;
    known = margins;
    // Framed once: later changes (the author's moves, a minimized window) are no start-up.
    if (!margins.isNull())
        window->removeEventFilter(this);
    if (!m_pending) {
        m_pending = true;
        QTimer::singleShot(0, this, [this] {
            m_pending = false;
            emit framesChanged();
        });
    }
    return false;
}
