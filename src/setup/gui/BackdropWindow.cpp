#include "setup/gui/BackdropWindow.h"

#include "setup/core/UninstallFlow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

BackdropWindow::BackdropWindow(Mode mode, QWidget *parent)
    : QWidget(parent), m_mode(mode),
      m_label(new QLabel(mode == Mode::Install ? u"Installation de ZEP..."_s : UninstallFlow::caption(), this)),
      m_timer(new QTimer(this))
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u"Installation"_s);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());

    QFont big = m_label->font();
    big.setPointSize(28);
    big.setBold(true);
    big.setItalic(true);
    m_label->setFont(big);
    m_label->setStyleSheet(u"color: white; background: transparent;"_s);
    m_label->move(24, 16);
    m_label->adjustSize();

    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_timer->stop();
        emit uninstallDue();
    });
    if (m_mode == Mode::Uninstall)
        m_timer->start();
}

QString BackdropWindow::label() const
{
    return m_label->text();
}

QColor BackdropWindow::lineColour(int y, int height)
{
    const double step = 255.0 / qMax(1, height);
    const int green = qBound(0, int(y * step), 255);
    return QColor(0, green, 255 - green);
}

void BackdropWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int h = height();
    for (int y = 0; y < h; ++y) {
        p.setPen(lineColour(y, h));
        p.drawLine(0, y, width(), y);
    }
}

void BackdropWindow::mousePressEvent(QMouseEvent *)
{
    if (m_mode == Mode::Install)
        emit wizardWanted();
}

void BackdropWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_mode == Mode::Install)
        emit wizardWanted();
}

void BackdropWindow::closeEvent(QCloseEvent *event)
{
    if (m_mode == Mode::Install) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}
