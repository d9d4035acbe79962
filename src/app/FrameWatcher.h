#pragma once

#include <QHash>
#include <QObject>
#include <QSize>

class QWidget;

// Tells when the frame that a window manager puts around one of the watched windows
// changes size, so that the windows can be placed again by their frames. Frames are
// known only once the windows are shown, and each arrives on its own; a window is
// watched until its frame is known.
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
    QHash<QObject *, QSize> m_margins;
    bool m_pending = false;
};
