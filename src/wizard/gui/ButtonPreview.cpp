#include "wizard/gui/ButtonPreview.h"

#include "common/PathText.h"
#include "wizard/TextButtonRenderer.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

ButtonPreview::ButtonPreview(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"apercu_bouton"_s);
    setMinimumSize(160, 70);
    setAttribute(Qt::WA_Hover);
}

void ButtonPreview::showButton(const WizardButton &b)
{
    if (b.style == WizardButton::Style::Text) {
        int n = 0;
        for (textbutton::State state : textbutton::kStates)
            m_pictures[n++] = QPixmap::fromImage(textbutton::render(b, state));
    } else {
        const QString files[] = {b.normalImage, b.hoverImage, b.clickImage};
        for (int n = 0; n < 3; ++n)
            m_pictures[n] = QPixmap(pathtext::toHost(files[n]));
    }
    setShown(underMouse() ? Shown::Hover : Shown::Normal);
}

void ButtonPreview::clear()
{
    for (QPixmap &p : m_pictures)
        p = QPixmap();
    setShown(Shown::Normal);
}

const QPixmap &ButtonPreview::picture() const
{
    return m_pictures[int(m_shown)];
}

void ButtonPreview::setShown(Shown shown)
{
    m_shown = shown;
    update();
}

QRect ButtonPreview::pictureRect() const
{
    QRect r(QPoint(), picture().deviceIndependentSize().toSize());
    r.moveCenter(rect().center());
    return r;
}

void ButtonPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!picture().isNull())
        painter.drawPixmap(pictureRect().topLeft(), picture());
}

void ButtonPreview::enterEvent(QEnterEvent *)
{
    setShown(Shown::Hover);
}

void ButtonPreview::leaveEvent(QEvent *)
{
    setShown(Shown::Normal);
}

void ButtonPreview::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setShown(Shown::Click);
}

void ButtonPreview::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setShown(Shown::Normal);
}
