#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// Form7: the program's name and version, with the credits scrolling by.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);

    static QStringList credits();
    // How far the credits have scrolled, in pixels.
    int scrollOffset() const { return m_offset; }
    void scrollStep();

private:
    QWidget *m_viewport;
    QLabel *m_names;
    QTimer *m_timer;
    int m_offset = 0;
};
