#include "about/SplashWindow.h"

#include "common/ProgramVersion.h"

#include <QLinearGradient>
#include <QPainter>

using namespace Qt::StringLiterals;

SplashWindow::SplashWindow()
    : QSplashScreen(picture())
{
    setObjectName(u"Splash"_s);
}

QPixmap SplashWindow::picture()
{
    QPixmap pixmap(420, 220);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0, QColor(24, 56, 120));
    sky.setColorAt(1, QColor(8, 18, 44));
    p.fillRect(pixmap.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(240, 200, 80), 6));
    p.drawEllipse(QPointF(80, 110), 50, 50);
    p.drawEllipse(QPointF(80, 110), 12, 12);
    p.setPen(Qt::white);
    QFont big = p.font();
    big.setPointSize(36);
    big.setBold(true);
    p.setFont(big);
    p.drawText(QRect(150, 50, 260, 70), Qt::AlignLeft | Qt::AlignVCenter, u"ZEP"_s);
    QFont small = p.font();
    small.setPointSize(11);
    small.setBold(false);
    p.setFont(small);
    p.drawText(QRect(150, 120, 260, 50), Qt::AlignLeft | Qt::AlignTop,
               u"Créateur de menus de CD\nversion "_s + version::full());
    return pixmap;
}
