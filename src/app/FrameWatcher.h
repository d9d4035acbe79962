#pragma once

#include <QHash>
#include <QObject>
#include <QSize>
#include <QTimer>

class QWidget;

// Tells when the frames that a window manager puts around the watched windows become
// known, so that the windows can be placed again by their frames. Frames arrive only
// once the windows are shown, each on its own and sometimes after the window's first
// move: the watcher looks at every move and, for a few seconds, on a timer. It stops
// once every window is framed, so the author's own moves are never undone.
class FrameWatcher : public QObject
{
    Q_OBJECT

public:
    FrameWatcher(const QList<QWidget *> &windows, QObject *parent = nullptr);

    // Borders and title bar around the window's inside.
    static QSize marginsOf(const QWidget *window);

signals:
    // Once for any number of frames arriving together.
    void framesChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void check();
    void stop();

    QHash<QWidget *, QSize> m_margins;
    QTimer m_timer;
    int m_checksLeft = 50;
};
