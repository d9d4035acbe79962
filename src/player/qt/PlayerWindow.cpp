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
#include <QGuiApplication>
#include <QImageReader>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMenu>
#include <QMimeDatabase>
#include <QPainter>
#include <QPolygon>
#include <QProcess>
#include <QScreen>
#include <QSoundEffect>
#include <QTextBlock>
#include <QTextCursor>
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

// Cursors by the designer's MousePointer numbers; 99 without a usable icon shows the arrow.
Qt::CursorShape cursorOf(int pointer)
{
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,     Qt::ArrowCursor,     Qt::CrossCursor,     Qt::IBeamCursor,      Qt::ArrowCursor,
        Qt::SizeAllCursor,   Qt::SizeBDiagCursor, Qt::SizeVerCursor,   Qt::SizeFDiagCursor,  Qt::SizeHorCursor,
        Qt::UpArrowCursor,   Qt::WaitCursor,      Qt::ForbiddenCursor, Qt::BusyCursor,       Qt::WhatsThisCursor,
        Qt::SizeAllCursor};
    return pointer >= 0 && pointer < int(std::size(shapes)) ? shapes[pointer] : Qt::ArrowCursor;
}

MessageButtons buttonsOf(int buttons)
{
    switch (buttons & 7) {
    case 1: return MessageButtons::OkCancel;
    case 2: return MessageButtons::AbortRetryIgnore;
    case 3: return MessageButtons::YesNoCancel;
    case 4: return MessageButtons::YesNo;
    case 5: return MessageButtons::RetryCancel;
    default: return MessageButtons::Ok;
    }
}

MessageIcon iconOf(int buttons)
{
    switch (buttons & 0x70) {
    case 16: return MessageIcon::Critical;
    case 32: return MessageIcon::Question;
    case 48: return MessageIcon::Exclamation;
    case 64: return MessageIcon::Information;
    default: return MessageIcon::None;
    }
}

int answerNumber(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return 1;
    case Answer::Cancel: return 2;
    case Answer::Abort: return 3;
    case Answer::Retry: return 4;
    case Answer::Ignore: return 5;
    case Answer::Yes: return 6;
    case Answer::No: return 7;
    }
    return 1;
}

// A disc may mark every file executable: the content tells a program from a document.
bool isProgram(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return false;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchContent);
    return type.inherits(u"application/x-executable"_s) || type.inherits(u"application/x-sharedlib"_s) ||
           type.inherits(u"application/x-shellscript"_s);
}

constexpr int kCustomPointer = 99;

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
      m_scripts(&scripts), m_prompter(prompter),
      m_opener([](const QString &path) {
          const bool address = path.contains(u"://"_s) || path.startsWith(u"mailto:"_s, Qt::CaseInsensitive);
          QDesktopServices::openUrl(address ? QUrl(path) : QUrl::fromLocalFile(path));
      }),
      m_launcher([](const QString &program, const QStringList &arguments) {
          QProcess::startDetached(program, arguments);
      })
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
        m_texts.append(edit);
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
    // Scripts may start the timer even when the data leaves it off.
    m_timer = new QTimer(this);
    m_timer->setInterval(std::clamp(m_menu.timerInterval, 1, 60000));
    connect(m_timer, &QTimer::timeout, this, [this] { m_scripts->timerTicked(m_menu.timerCode); });
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
    if (m_menu.timerEnabled)
        m_timer->start();
    // The global code runs even without a start-up script: every other script may need it.
    m_scripts->runStartup(m_menu.globalCode, m_menu.startupIsScript() ? m_menu.startupScript() : std::string());
    if (!m_menu.startupIsScript() && !m_menu.startupAction.empty())
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
        if (m_stretch)
            painter.drawImage(rect(), m_background);
        else
            painter.drawImage(QPoint(0, 0), m_background);
    }
    if (m_border.visible && m_border.width > 0) {
        painter.setRenderHint(QPainter::Antialiasing, m_border.shape != 0);
        painter.setPen(QPen(colourOf(m_border.colour), m_border.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const double inset = m_border.width / 2.0;
        const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
        if (m_border.shape == 2)
            painter.drawEllipse(box);
        else if (m_border.shape == 4)
            painter.drawRoundedRect(box, 15, 15, Qt::RelativeSize);
        else
            painter.drawRect(box);
    }
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, &PlayerWindow::firstFrameShown);
    }
}

void PlayerWindow::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    m_scripts->windowHovered(m_menu.windowHoverCode);
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
    m_scripts->buttonHovered(number, m_menu.buttons[number - 1].hoverCode);
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
        m_scripts->buttonClicked(number, b.code);
}

QWidget *PlayerWindow::widgetOf(Target target) const
{
    const int index = target.number - 1;
    switch (target.kind) {
    case Kind::Window:
        return const_cast<PlayerWindow *>(this);
    case Kind::Button:
        return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
    case Kind::Text:
        return index >= 0 && index < m_texts.size() ? m_texts[index] : nullptr;
    case Kind::Timer:
    case Kind::Background:
    case Kind::Screen:
    case Kind::Border:
        break;
    }
    return nullptr;
}

PlayerFront::Value PlayerWindow::property(Target target, Property property) const
{
    if (target.kind == Kind::Timer)
        return property == Property::Interval ? Value(double(m_timer->interval())) : Value(m_timer->isActive());
    if (target.kind == Kind::Background)
        return property == Property::Stretch ? Value(m_stretch) : Value(m_pictures.value({int(target.kind), 0}));
    if (target.kind == Kind::Border) {
        if (property == Property::Visible)
            return m_border.visible;
        return double(property == Property::BorderColor ? m_border.colour
                      : property == Property::BorderWidth ? m_border.width
                                                          : m_border.shape);
    }
    const auto pointer = m_pointers.find({int(target.kind), target.number});
    const double pointerValue = pointer == m_pointers.end() ? 0.0 : double(pointer->second);
    if (target.kind == Kind::Screen)
        return property == Property::MouseIcon ? Value(m_icons.value({int(target.kind), 0})) : Value(pointerValue);
    const QWidget *widget = widgetOf(target);
    if (!widget)
        return 0.0;
    const bool window = target.kind == Kind::Window;
    const QRect box = window ? frameGeometry() : widget->geometry();
    const auto *edit = qobject_cast<const QTextEdit *>(widget);
    switch (property) {
    case Property::WindowState:
        return isMinimized() ? 1.0 : isMaximized() ? 2.0 : 0.0;
    case Property::Visible:
        return window ? isVisible() : !widget->isHidden();
    case Property::Enabled:
        return widget->isEnabled();
    case Property::Caption:
        return windowTitle().toStdString();
    case Property::Text:
        return edit ? edit->toPlainText().replace(u'\n', u"\r\n"_s).toStdString() : std::string();
    case Property::BackColor:
    case Property::ForeColor: {
        if (window)
            return double(m_menu.backgroundColour);
        const QColor colour = widget->palette().color(property == Property::BackColor ? QPalette::Base : QPalette::Text);
        return double(colour.red() + 256 * colour.green() + 65536 * colour.blue());
    }
    case Property::Left:
        return std::round(box.x() * m_twipsX);
    case Property::Top:
        return std::round(box.y() * m_twipsY);
    case Property::Width:
        return std::round(box.width() * m_twipsX);
    case Property::Height:
        return std::round(box.height() * m_twipsY);
    case Property::MousePointer:
        return pointerValue;
    case Property::Picture:
        return m_pictures.value({int(target.kind), target.number});
    case Property::MouseIcon:
        return m_icons.value({int(target.kind), target.number});
    case Property::Stretch:
        break;
    case Property::BorderColor:
    case Property::BorderWidth:
    case Property::Shape:
        break;
    case Property::Locked:
        return edit && edit->isReadOnly();
    case Property::Alignment: {
        const Qt::Alignment alignment = edit ? edit->document()->firstBlock().blockFormat().alignment() : Qt::AlignLeft;
        return alignment.testFlag(Qt::AlignRight) ? 1.0 : alignment.testFlag(Qt::AlignHCenter) ? 2.0 : 0.0;
    }
    case Property::FontBold:
        return widget->font().bold();
    case Property::FontItalic:
        return widget->font().italic();
    case Property::FontName:
        return widget->font().family().toStdString();
    case Property::FontSize:
        return widget->font().pointSizeF();
    case Property::FontStrikethru:
        return widget->font().strikeOut();
    case Property::FontUnderline:
        return widget->font().underline();
    case Property::ScrollBar:
        return edit && edit->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    case Property::Interval:
        break;
    }
    return 0.0;
}

void PlayerWindow::setProperty(Target target, Property property, const Value &value)
{
    const double number = std::holds_alternative<double>(value) ? std::get<double>(value) : 0.0;
    const bool flag = std::holds_alternative<bool>(value) && std::get<bool>(value);
    const QString text = std::holds_alternative<std::string>(value) ? qs(std::get<std::string>(value)) : QString();
    if (target.kind == Kind::Timer) {
        if (property == Property::Interval)
            m_timer->setInterval(std::clamp(int(number), 1, 60000));
        else if (flag)
            m_timer->start();
        else
            m_timer->stop();
        return;
    }
    if (target.kind == Kind::Background) {
        if (property == Property::Stretch) {
            m_stretch = flag;
        } else {
            m_pictures[{int(target.kind), 0}] = text.toStdString();
            m_background = text.isEmpty() ? QImage() : readImage(text);
        }
        update();
        return;
    }
    if (target.kind == Kind::Border) {
        if (property == Property::Visible)
            m_border.visible = flag;
        else if (property == Property::BorderColor)
            m_border.colour = int(number);
        else if (property == Property::BorderWidth)
            m_border.width = std::clamp(int(number), 0, kMaxPixels);
        else if (property == Property::Shape)
            m_border.shape = int(number);
        update();
        return;
    }
    if (target.kind == Kind::Screen) {
        if (property == Property::MouseIcon)
            m_icons[{int(target.kind), 0}] = text.toStdString();
        else if (property == Property::MousePointer)
            m_pointers[{int(target.kind), 0}] = int(number);
        applyCursor(target);
        return;
    }
    QWidget *widget = widgetOf(target);
    if (!widget)
        return;
    const bool window = target.kind == Kind::Window;
    auto *edit = qobject_cast<QTextEdit *>(widget);
    const QRect box = window ? frameGeometry() : widget->geometry();
    switch (property) {
    case Property::WindowState:
        if (number == 1)
            showMinimized();
        else if (number == 2)
            showMaximized();
        else
            showNormal();
        break;
    case Property::Visible:
        widget->setVisible(flag);
        break;
    case Property::Enabled:
        widget->setEnabled(flag);
        break;
    case Property::Caption:
        setWindowTitle(text);
        break;
    case Property::Text:
        if (edit)
            edit->setPlainText(QString(text).replace(u"\r\n"_s, u"\n"_s));
        break;
    case Property::BackColor:
    case Property::ForeColor:
        if (window) {
            m_menu.backgroundColour = int(number);
            update();
        } else {
            QPalette palette = widget->palette();
            palette.setColor(property == Property::BackColor ? QPalette::Base : QPalette::Text, colourOf(int(number)));
            widget->setPalette(palette);
        }
        break;
    case Property::Left:
        widget->move(pixels(toPixelsX(number)), box.y());
        break;
    case Property::Top:
        widget->move(box.x(), pixels(toPixelsY(number)));
        break;
    case Property::Width:
    case Property::Height: {
        QSize size = window ? frameGeometry().size() : widget->size();
        if (property == Property::Width)
            size.setWidth(std::max(1, pixels(toPixelsX(number))));
        else
            size.setHeight(std::max(1, pixels(toPixelsY(number))));
        // The window's sizes are outer ones, as in the data.
        widget->resize(window ? size - (frameGeometry().size() - geometry().size()) : size);
        break;
    }
    case Property::MousePointer:
        m_pointers[{int(target.kind), target.number}] = int(number);
        applyCursor(target);
        break;
    case Property::MouseIcon:
        m_icons[{int(target.kind), target.number}] = text.toStdString();
        applyCursor(target);
        break;
    case Property::Locked:
        if (edit)
            edit->setReadOnly(flag);
        break;
    case Property::Alignment:
        if (edit) {
            QTextCursor all(edit->document());
            all.select(QTextCursor::Document);
            QTextBlockFormat format;
            format.setAlignment(number == 1 ? Qt::AlignRight : number == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
            all.mergeBlockFormat(format);
        }
        break;
    case Property::FontBold:
    case Property::FontItalic:
    case Property::FontName:
    case Property::FontSize:
    case Property::FontStrikethru:
    case Property::FontUnderline: {
        QFont font = widget->font();
        if (property == Property::FontBold)
            font.setBold(flag);
        else if (property == Property::FontItalic)
            font.setItalic(flag);
        else if (property == Property::FontName)
            font.setFamily(text);
        else if (property == Property::FontSize)
            font.setPointSizeF(std::clamp(number, 1.0, 400.0));
        else if (property == Property::FontStrikethru)
            font.setStrikeOut(flag);
        else
            font.setUnderline(flag);
        widget->setFont(font);
        break;
    }
    case Property::ScrollBar:
        if (edit)
            edit->setVerticalScrollBarPolicy(flag ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        break;
    case Property::Picture:
        if (auto *button = qobject_cast<PlayerButton *>(widget)) {
            m_pictures[{int(target.kind), target.number}] = text.toStdString();
            button->setNormalPicture(text.isEmpty() ? QPixmap() : QPixmap::fromImage(readImage(text)));
        }
        break;
    case Property::Stretch:
        break;
    case Property::BorderColor:
    case Property::BorderWidth:
    case Property::Shape:
        break;
    case Property::Interval:
        break;
    }
}

void PlayerWindow::applyCursor(Target target)
{
    const std::pair key{int(target.kind), target.number};
    const int pointer = m_pointers.count(key) ? m_pointers.at(key) : 0;
    const std::string icon = m_icons.value(key);
    QCursor cursor = cursorOf(pointer);
    if (pointer == kCustomPointer && !icon.empty()) {
        const QPixmap picture = QPixmap::fromImage(readImage(qs(icon)));
        if (!picture.isNull())
            cursor = QCursor(picture);
    }
    if (target.kind == Kind::Screen) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        if (pointer != 0)
            QGuiApplication::setOverrideCursor(cursor);
        return;
    }
    QWidget *widget = widgetOf(target);
    if (!widget)
        return;
    if (pointer != 0)
        widget->setCursor(cursor);
    else if (target.kind == Kind::Button && m_menu.handCursor)
        widget->setCursor(Qt::PointingHandCursor);
    else
        widget->unsetCursor();
}

void PlayerWindow::closeMenu()
{
    close();
}

void PlayerWindow::playSound(const std::string &path)
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    if (!m_scriptSound) {
        m_scriptSound = new QMediaPlayer(this);
        m_scriptAudio = new QAudioOutput(this);
        m_scriptSound->setAudioOutput(m_scriptAudio);
    }
    m_scriptSound->setSource(QUrl::fromLocalFile(discPath(qs(path))));
    m_scriptSound->play();
}

int PlayerWindow::messageBox(const std::string &text, int buttons, const std::string &title)
{
    MessageRequest request;
    request.text = qs(text);
    request.title = qs(title);
    request.icon = iconOf(buttons);
    request.buttons = buttonsOf(buttons);
    request.defaultButton = ((buttons >> 8) & 3) + 1;
    request.systemModal = (buttons & 4096) != 0;
    return answerNumber(m_prompter.message(request));
}

std::string PlayerWindow::inputBox(const std::string &prompt, const std::string &title, const std::string &defaultText)
{
    return m_prompter.input({qs(prompt), qs(title), qs(defaultText)}).toStdString();
}

void PlayerWindow::runCommand(const std::string &commandLine)
{
    // The snippets quote the whole command line, "explorer" and its quoted path included.
    const auto unquote = [](QString &text, bool evenWithQuotesInside) {
        if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"') &&
            (evenWithQuotesInside || text.indexOf(u'"', 1) == text.size() - 1))
            text = text.mid(1, text.size() - 2).trimmed();
    };
    QString line = qs(commandLine).trimmed();
    unquote(line, line.startsWith(u"\"explorer "_s, Qt::CaseInsensitive));
    // "explorer" shows a folder or a page: the desktop opens it.
    const bool explorer = line.startsWith(u"explorer "_s, Qt::CaseInsensitive);
    if (explorer) {
        line = line.mid(9).trimmed();
        unquote(line, false);
    }
    QString program = line;
    QString rest;
    if (line.startsWith(u'"')) {
        const qsizetype close = line.indexOf(u'"', 1);
        program = line.mid(1, close < 0 ? -1 : close - 1);
        rest = close < 0 ? QString() : line.mid(close + 1).trimmed();
    } else if (!QFileInfo::exists(discPath(line))) {
        const qsizetype space = line.indexOf(u' ');
        if (space > 0) {
            program = line.left(space);
            rest = line.mid(space + 1).trimmed();
        }
    }
    if (program.isEmpty())
        return;
    if (program.contains(u"://"_s) || program.startsWith(u"mailto:"_s, Qt::CaseInsensitive)) {
        m_opener(program);
        return;
    }
    const QString path = discPath(program);
    if (!explorer && isProgram(path))
        m_launcher(path, QProcess::splitCommand(rest));
    else
        m_opener(path);
}

void PlayerWindow::moveTray(bool open, const std::string &drive)
{
    // A drive letter means nothing here: the default drive is meant.
    QStringList arguments;
    if (!open)
        arguments << u"-t"_s;
    if (drive.size() > 1)
        arguments << qs(drive);
    m_launcher(u"eject"_s, arguments);
}
