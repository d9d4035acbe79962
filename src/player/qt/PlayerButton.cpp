#include "player/qt/PlayerButton.h"

#include <QMouseEvent>

PlayerButton::PlayerButton(int number, QPixmap normal, QPixmap hover, QPixmap click, QWidget *parent)
    : QLabel(parent), m_number(number), m_normal(std::move(normal)), m_hover(std::move(hover)),
      m_click(std::move(click))
{
    setObjectName(QStringLiteral("Bouton") + QString::number(number));
    show(Look::Normal);
    resize(m_normal.isNull() ? QSize(1, 1) : m_normal.size());
}

void PlayerButton::show(Look look)
{
    m_look = look;
    const QPixmap &pixmap = look == Look::Click ? m_click : look == Look::Hover ? m_hover : m_normal;
    setPixmap(pixmap.isNull() ? m_normal : pixmap);
}

void PlayerButton::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    show(Look::Hover);
    emit entered(m_number);
}

void PlayerButton::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    show(Look::Normal);
}

void PlayerButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    show(Look::Click);
    emit pressed(m_number);
}

void PlayerButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_look != Look::Click) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    show(inside ? Look::Hover : Look::Normal);
    if (inside)
        emit clicked(m_number);
}

void PlayerButton::setNormalPicture(QPixmap picture)
{
    m_normal = std::move(picture);
    resize(m_normal.isNull() ? QSize(1, 1) : m_normal.size());
    show(m_look);
}
