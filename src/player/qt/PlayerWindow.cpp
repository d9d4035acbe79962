#include "player/qt/PlayerWindow.h"

#include "player/core/ScriptHost.h"
#include "player/qt/PlayerButton.h"
#include "prompt/Prompter.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QBitmap>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMenu>
#include <QPainter>
#include <QPolygon>
#include <QScreen>
#include <QSoundEffect>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxPixels = 16384;

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

QColor colourOf(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int pixels(double value)
{
    return int(std::lround(std::clamp(value, double(-kMaxPixels), double(kMaxPixels))));
}

QImage readImage(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

PlayerWindow::PlayerWindow(MenuModel menu, QString mediaFolder, QString discRoot, ScriptHost &scripts,
                           Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_menu(std::move(menu)), m_mediaFolder(std::move(mediaFolder)), m_discRoot(std::move(discRoot)),
      m_scripts(scripts), m_prompter(prompter),
      m_opener([](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
{
    setObjectName(u"Fenetre"_s);
    setWindowTitle(qs(m_menu.projectName));
    setMouseTracking(true);
    if (const QScreen *s = screen(); s && s->logicalDotsPerInchX() > 0 && s->logicalDotsPerInchY() > 0) {
        m_twipsX = 1440.0 / s->logicalDotsPerInchX();
        m_twipsY = 1440.0 / s->logicalDotsPerInchY();
    }
    m_outerSize = QSize(std::clamp(pixels(toPixelsX(m_menu.width)), 1, kMaxPixels),
                        std::clamp(pixels(toPixelsY(m_menu.height)), 1, kMaxPixels));
    if (m_menu.fullScreen && screen())
        m_outerSize = screen()->size();
    resize(m_outerSize);

    if (!m_menu.backgroundImage.empty())
        m_background = readImage(mediaPath(m_menu.backgroundImage));
    buildItems();
    buildMask();
    const bool frameless = !m_menu.contours || !m_mask.isEmpty();
    if (frameless)
        setWindowFlag(Qt::FramelessWindowHint);
    buildMedia();
}

PlayerWindow::~PlayerWindow() = default;

double PlayerWindow::toPixelsX(double twips) const
{
    return twips / m_twipsX;
}

double PlayerWindow::toPixelsY(double twips) const
{
    return twips / m_twipsY;
}

QString PlayerWindow::mediaPath(const std::string &name) const
{
    return QDir(m_mediaFolder).filePath(qs(name));
}

QPixmap PlayerWindow::pixmap(const std::string &name) const
{
    if (name.empty())
        return {};
    return QPixmap::fromImage(readImage(mediaPath(name)));
}

QString PlayerWindow::discPath(const QString &reference) const
{
    QString path = reference;
    for (const QString &token : {u"[LECT]:"_s, u"[LECT]"_s}) {
        if (path.startsWith(token, Qt::CaseInsensitive)) {
            path = path.mid(token.size());
            break;
        }
    }
    path.replace(u'\\', u'/');
    if (QDir::isAbsolutePath(path) && !reference.startsWith(u"[LECT]"_s, Qt::CaseInsensitive))
        return path;
    while (path.startsWith(u'/'))
        path.remove(0, 1);
    return QDir(m_discRoot).filePath(path);
}

void PlayerWindow::buildItems()
{
    for (const MenuModel::Text &t : m_menu.texts) {
        auto *edit = new QTextEdit(this);
        edit->setObjectName(u"Texte"_s + QString::number(t.number));
        edit->setAcceptRichText(false);
        edit->setPlainText(qs(t.text));
        edit->setFrameShape(QFrame::NoFrame);
        QFont font(qs(t.fontName));
        font.setPointSizeF(std::clamp(t.fontSize, 1.0, 400.0));
        font.setBold(t.bold);
        font.setItalic(t.italic);
        font.setStrikeOut(t.strikethrough);
        font.setUnderline(t.underline);
        edit->setFont(font);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, colourOf(t.backColour));
        palette.setColor(QPalette::Text, colourOf(t.textColour));
        edit->setPalette(palette);
        edit->setVerticalScrollBarPolicy(t.scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setReadOnly(t.readOnly);
        edit->setGeometry(pixels(toPixelsX(t.left)), pixels(toPixelsY(t.top)), std::max(1, pixels(toPixelsX(t.width))),
                          std::max(1, pixels(toPixelsY(t.height))));
    }
    for (const MenuModel::Button &b : m_menu.buttons) {
        auto *button =
            new PlayerButton(b.number, pixmap(b.normalImage), pixmap(b.hoverImage), pixmap(b.clickImage), this);
        button->move(pixels(toPixelsX(b.left)), pixels(toPixelsY(b.top)));
        if (m_menu.handCursor)
            button->setCursor(Qt::PointingHandCursor);
        connect(button, &PlayerButton::entered, this, &PlayerWindow::buttonEntered);
        connect(button, &PlayerButton::pressed, this, &PlayerWindow::buttonPressed);
        connect(button, &PlayerButton::clicked, this, &PlayerWindow::buttonClicked);
        m_buttons.append(button);
    }
}

void PlayerWindow::buildMask()
{
    if (m_menu.shape.size() >= 3) {
        QPolygon polygon;
        for (const MenuModel::Point &p : m_menu.shape)
            polygon << QPoint(pixels(toPixelsX(double(p.x))), pixels(toPixelsY(double(p.y))));
        m_mask = QRegion(polygon, Qt::WindingFill);
    }
    if (!m_menu.transparencyImage.empty()) {
        const QImage image = readImage(mediaPath(m_menu.transparencyImage));
        if (!image.isNull()) {
            const QImage scaled = image.convertToFormat(QImage::Format_RGB32).scaled(m_outerSize);
            // White pixels become holes in the window.
            const QRegion opaque(QBitmap::fromImage(scaled.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
            m_mask = m_mask.isEmpty() ? opaque : m_mask.intersected(opaque);
        }
    }
    if (!m_mask.isEmpty())
        setMask(m_mask);
}

void PlayerWindow::buildMedia()
{
    if (m_menu.timerEnabled) {
        m_timer = new QTimer(this);
        m_timer->setInterval(std::clamp(m_menu.timerInterval, 1, 60000));
        connect(m_timer, &QTimer::timeout, this, [this] { m_scripts.timerTicked(m_menu.timerCode); });
    }
    // Some media back ends crash without an output device: a silent menu is better.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    const auto effect = [this](const std::string &name) -> QSoundEffect * {
        if (name.empty())
            return nullptr;
        auto *sound = new QSoundEffect(this);
        sound->setSource(QUrl::fromLocalFile(mediaPath(name)));
        return sound;
    };
    m_clickSound = effect(m_menu.clickSound);
    m_hoverSound = effect(m_menu.hoverSound);
    if (!m_menu.backgroundMusic.empty()) {
        m_music = new QMediaPlayer(this);
        m_audio = new QAudioOutput(this);
        m_music->setAudioOutput(m_audio);
        m_music->setSource(QUrl::fromLocalFile(mediaPath(m_menu.backgroundMusic)));
        m_music->setLoops(QMediaPlayer::Infinite);
    }
}

void PlayerWindow::start()
{
    if (m_menu.fullScreen)
        showFullScreen();
    else
        show();
    if (m_music)
        m_music->play();
    if (m_timer)
        m_timer->start();
    if (m_menu.startupIsScript())
        m_scripts.runStartup(m_menu.globalCode, m_menu.startupScript());
    else if (!m_menu.startupAction.empty())
        open(qs(m_menu.startupAction));
}

void PlayerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_menu.fullScreen || windowFlags().testFlag(Qt::FramelessWindowHint))
        return;
    // The data gives the outer size; the frame is the window system's.
    const QSize frame = frameGeometry().size() - geometry().size();
    if (!frame.isEmpty())
        resize(m_outerSize - frame);
}

void PlayerWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colourOf(m_menu.backgroundColour));
    if (!m_background.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_background);
    }
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, &PlayerWindow::firstFrameShown);
    }
}

void PlayerWindow::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    m_scripts.windowHovered(m_menu.windowHoverCode);
}

void PlayerWindow::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_menu.contextMenu)
        return;
    QMenu menu(this);
    menu.setObjectName(u"MenuContextuel"_s);
    menu.addAction(u"A propos de ce menu..."_s, this, &PlayerWindow::showAbout);
    menu.addSeparator();
    menu.addAction(u"Quitter"_s, this, &QWidget::close);
    menu.exec(event->globalPos());
}

void PlayerWindow::showAbout()
{
    m_prompter.message(u"Projet : "_s + qs(m_menu.projectName) + u"\nAuteur : "_s + qs(m_menu.author),
                       u"A propos de ce menu"_s, MessageIcon::Information);
}

void PlayerWindow::open(const QString &reference)
{
    if (!reference.isEmpty())
        m_opener(discPath(reference));
}

void PlayerWindow::buttonEntered(int number)
{
    if (m_hoverSound)
        m_hoverSound->play();
    m_scripts.buttonHovered(number, m_menu.buttons[number - 1].hoverCode);
}

void PlayerWindow::buttonPressed(int)
{
    if (m_clickSound)
        m_clickSound->play();
}

void PlayerWindow::buttonClicked(int number)
{
    const MenuModel::Button &b = m_menu.buttons[number - 1];
    if (b.kind == "quitter")
        close();
    else if (b.kind == "vid\xC3\xA9o")
        open(qs(b.code));
    else if (b.kind == "code")
        m_scripts.buttonClicked(number, b.code);
}
