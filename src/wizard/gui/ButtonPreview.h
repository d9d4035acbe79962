#pragma once

#include <QPixmap>
#include <QWidget>

struct WizardButton;

// Shows one button as the menu will: hover and click pictures under the pointer.
class ButtonPreview : public QWidget
{
    Q_OBJECT

public:
    explicit ButtonPreview(QWidget *parent = nullptr);

    void showButton(const WizardButton &button);
    void clear();

    enum class Shown { Normal, Hover, Click };
    Shown shown() const { return m_shown; }
    const QPixmap &picture() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setShown(Shown shown);
    QRect pictureRect() const;

    QPixmap m_pictures[3];
    Shown m_shown = Shown::Normal;
};
