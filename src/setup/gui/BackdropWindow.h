#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The screen-wide window behind the installer, blue at the top fading to green.
class BackdropWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Mode { Install, Uninstall };

    explicit BackdropWindow(Mode mode, QWidget *parent = nullptr);

    QString label() const;
    QTimer *timer() const { return m_timer; }

    // The colour of line y of a window `height` lines high.
    static QColor lineColour(int y, int height);

signals:
    // In installation: the user came to the backdrop; the wizard should show.
    void wizardWanted();
    // In uninstallation: the timer's one tick.
    void uninstallDue();
    // Closing the backdrop in uninstallation ends the program.
    void closed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Mode m_mode;
    QLabel *m_label;
    QTimer *m_timer;
};
