#pragma once

#include <QLabel>
#include <QPixmap>

// A menu button: its normal image at rest, the hover image under the pointer and
// the click image while pressed.
class PlayerButton : public QLabel
{
    Q_OBJECT

public:
    PlayerButton(int number, QPixmap normal, QPixmap hover, QPixmap click, QWidget *parent);

    int number() const { return m_number; }
    enum class Look { Normal, Hover, Click };
    Look look() const { return m_look; }
    // A script's new picture takes the place of the normal image.
    void setNormalPicture(QPixmap picture);

signals:
    void entered(int number);
    void pressed(int number);
    void clicked(int number);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void show(Look look);

    int m_number;
    QPixmap m_normal;
    QPixmap m_hover;
    QPixmap m_click;
    Look m_look = Look::Normal;
};
