#include "wizard/gui/StepIllustration.h"

#include <QLinearGradient>
#include <QPainter>

using namespace Qt::StringLiterals;

StepIllustration::StepIllustration(int steps, QWidget *parent) : QWidget(parent), m_steps(steps)
{
    setObjectName(u"illustration"_s);
    setFixedWidth(130);
}

void StepIllustration::setStep(int step)
{
    m_step = step;
    update();
}

void StepIllustration::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(24, 64, 140));
    sky.setColorAt(1, QColor(96, 160, 220));
    painter.fillRect(rect(), sky);

    // A disc, as the menu is made for one.
    const QPointF centre(width() / 2.0, height() * 0.36);
    const double radius = width() * 0.34;
    painter.setPen(QPen(QColor(255, 255, 255, 180), 2));
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(24, 64, 140));
    painter.drawEllipse(centre, radius * 0.22, radius * 0.22);

    QFont font = painter.font();
    font.setPointSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QRectF numberBox(0, height() * 0.62, width(), height() * 0.14);
    painter.drawText(numberBox, Qt::AlignCenter, QString::number(m_step + 1) + u" / "_s + QString::number(m_steps));

    const double dot = 10;
    const double gap = 8;
    const double rowWidth = m_steps * dot + (m_steps - 1) * gap;
    double x = (width() - rowWidth) / 2;
    const double y = height() * 0.82;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < m_steps; ++i, x += dot + gap) {
        painter.setBrush(i <= m_step ? QColor(Qt::white) : QColor(255, 255, 255, 80));
        painter.drawEllipse(QRectF(x, y, dot, dot));
    }
}
