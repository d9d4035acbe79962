#include "build/gui/TestWindow.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TestWindow::TestWindow(QString player, QWidget *parent) : QDialog(parent), m_player(std::move(player))
{
    setObjectName(u"Form15"_s);
    setModal(true);
    auto *label = new QLabel(u"Votre projet est en cours d'exécution, pour reprendre l'édition, veuillez cliquer sur "
                             u"le carré rouge ci-dessous."_s);
    label->setObjectName(u"Label1"_s);
    label->setWordWrap(true);
    m_stop = new QPushButton(this);
    m_stop->setObjectName(u"Stop"_s);
    m_stop->setAccessibleName(u"Stop"_s);
    m_stop->setToolTip(u"Stop"_s);
    m_stop->setFixedSize(32, 32);
    m_stop->setStyleSheet(u"QPushButton { background-color: #d00000; border: 1px solid #700000; }"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addSpacing(m_stop->height() + 8);
    resize(360, 120);

    m_process.setWorkingDirectory(QFileInfo(m_player).absolutePath());
    connect(m_stop, &QPushButton::clicked, this, &TestWindow::stop);
    connect(&m_process, &QProcess::finished, this, &QDialog::accept);
}

TestWindow::~TestWindow()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void TestWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // Centred horizontally, below the text.
    m_stop->move(width() / 2 - m_stop->width() / 2, height() - m_stop->height() - 12);
}

ZepError TestWindow::run()
{
    m_process.start(m_player, {});
    if (!m_process.waitForStarted(10000)) {
        if (!QFileInfo(m_player).isFile())
            return ZepError(ErrorCode::FileNotFound);
        return ZepError(ErrorCode::PathFileAccess);
    }
    emit playerStarted();
    if (m_process.state() != QProcess::NotRunning)
        exec();
    return {};
}

void TestWindow::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    accept();
}
