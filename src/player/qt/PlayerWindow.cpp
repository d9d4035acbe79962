#include "player/qt/PlayerWindow.h"

#include "player/qt/QtPlayerPainter.h"
#include "vbscript/Locale.h"
#include "prompt/Prompter.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QBitmap>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMenu>
#include <QMimeDatabase>
#include <QPainter>
#include <QPolygon>
#include <QProcess>
#include <QScreen>
#include <QSignalBlocker>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

QColor qColour(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

Qt::CursorShape shapeOf(CursorShape shape)
{
    switch (shape) {
    case CursorShape::Cross: return Qt::CrossCursor;
    case CursorShape::IBeam: return Qt::IBeamCursor;
    case CursorShape::SizeAll: return Qt::SizeAllCursor;
    case CursorShape::SizeNeSw: return Qt::SizeBDiagCursor;
    case CursorShape::SizeNS: return Qt::SizeVerCursor;
    case CursorShape::SizeNwSe: return Qt::SizeFDiagCursor;
    case CursorShape::SizeWE: return Qt::SizeHorCursor;
    case CursorShape::UpArrow: return Qt::UpArrowCursor;
    case CursorShape::Wait: return Qt::WaitCursor;
    case CursorShape::No: return Qt::ForbiddenCursor;
    case CursorShape::ArrowWait: return Qt::BusyCursor;
    case CursorShape::ArrowQuestion: return Qt::WhatsThisCursor;
    case CursorShape::Hand: return Qt::PointingHandCursor;
    case CursorShape::Arrow:
    case CursorShape::Picture: break;
    }
    return Qt::ArrowCursor;
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

// Some media back ends crash without an output device: a silent menu is better.
bool canPlay()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

} // namespace

PlayerWindow::PlayerWindow(MenuModel menu, const QString &mediaFolder, const QString &discRoot, Prompter &prompter,
                           QWidget *parent)
    : QWidget(parent), m_prompter(prompter),
      m_opener([](const QString &path) {
          const bool address = path.contains(u"://"_s) || path.startsWith(u"mailto:"_s, Qt::CaseInsensitive);
          // The desktop's opener would start and say nothing about a missing file.
          if (!address && !QFileInfo::exists(path))
              return false;
          return QDesktopServices::openUrl(address ? QUrl(path) : QUrl::fromLocalFile(path));
      }),
      m_launcher([](const QString &program, const QStringList &arguments) {
          return QProcess::startDetached(program, arguments);
      })
{
    setObjectName(u"Fenetre"_s);
    setMouseTracking(true);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, [this] { m_session->timerTicked(); });
    m_session = std::make_unique<MenuSession>(std::move(menu), *this,
                                              DiscPaths(discRoot.toStdString(), mediaFolder.toStdString()));
}

PlayerWindow::~PlayerWindow()
{
    // The session goes before the children: nothing of theirs may reach it on their way out.
    m_timer->stop();
    for (QTextEdit *edit : std::as_const(m_texts))
        disconnect(edit, nullptr, this, nullptr);
}

ScreenInfo PlayerWindow::screenInfo() const
{
    ScreenInfo info;
    if (const QScreen *s = QWidget::screen()) {
        info.size = {s->size().width(), s->size().height()};
        // Logical pixels: at a device-pixel ratio of 1.5 Qt draws everything, pictures
        // included, at 1.5 times its size, as the Windows player does at 144 dpi.
        info.dpiX = s->logicalDotsPerInchX();
        info.dpiY = s->logicalDotsPerInchY();
        const QRect available = s->availableGeometry();
        info.workArea = {available.x(), available.y(), available.width(), available.height()};
    }
    return info;
}

int PlayerWindow::userLocale() const
{
    for (const char *name : {"LC_ALL", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (value.isEmpty())
            continue;
        // "C" and "POSIX" name no country: the menus' own French applies.
        const QByteArray base = value.left(value.indexOf('.'));
        if (base == "C" || base == "POSIX")
            return 0;
        return vbs::Locale::fromPosix(value.toStdString()).lcid;
    }
    return 0;
}

void PlayerWindow::createWindow(const WindowLook &look)
{
    setWindowTitle(qs(look.title));
    setWindowFlag(Qt::FramelessWindowHint, !look.framed);
    m_fullScreen = look.fullScreen;
    const QSize menuSize(look.frame.width, look.frame.height);
    // The menu is the inside, as on the worksheet; a window manager's frame comes around it.
    move(look.frame.x, look.frame.y);
    resize(menuSize);
    if (!look.shape.empty()) {
        QPolygon polygon;
        for (const PixelPoint &p : look.shape)
            polygon << QPoint(p.x, p.y);
        m_mask = QRegion(polygon, Qt::WindingFill);
    }
    if (!look.holesPicture.empty()) {
        const QImage image = m_pictures.picture(qs(look.holesPicture));
        const QImage scaled = image.convertToFormat(QImage::Format_RGB32).scaled(menuSize);
        const QRegion opaque(QBitmap::fromImage(scaled.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
        m_mask = m_mask.isEmpty() ? opaque : m_mask.intersected(opaque);
    }
    if (!m_mask.isEmpty())
        setMask(m_mask);
}

void PlayerWindow::setWindowVisible(bool visible)
{
    if (!visible)
        hide();
    else if (m_fullScreen)
        showFullScreen();
    else
        show();
}

void PlayerWindow::showWindowState(int state)
{
    if (state == 1)
        showMinimized();
    else if (state == 2)
        showMaximized();
    else
        showNormal();
}

void PlayerWindow::setWindowFrame(PixelRect frame)
{
    move(frame.x, frame.y);
    resize(frame.width, frame.height);
}

PixelRect PlayerWindow::windowFrame() const
{
    const QPoint corner = frameGeometry().topLeft();
    return {corner.x(), corner.y(), width(), height()};
}

void PlayerWindow::setTitle(const std::string &title)
{
    setWindowTitle(qs(title));
}

void PlayerWindow::invalidate()
{
    update();
}

PixelSize PlayerWindow::loadPicture(const std::string &path)
{
    const QImage picture = m_pictures.picture(qs(path));
    return {picture.width(), picture.height()};
}

QTextEdit *PlayerWindow::textBox(int number)
{
    while (m_texts.size() < number) {
        const int made = int(m_texts.size()) + 1;
        auto *edit = new QTextEdit(this);
        edit->setObjectName(u"Texte"_s + QString::number(made));
        edit->setAcceptRichText(false);
        edit->setFrameShape(QFrame::NoFrame);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The pointer over a text box is the session's business too.
        edit->viewport()->setMouseTracking(true);
        edit->viewport()->installEventFilter(this);
        connect(edit, &QTextEdit::textChanged, this, [this, edit, made] {
            m_session->textEdited(made, edit->toPlainText().replace(u'\n', u"\r\n"_s).toStdString());
        });
        m_texts.append(edit);
    }
    return m_texts[number - 1];
}

void PlayerWindow::showText(int number, const TextBoxLook &look)
{
    QTextEdit *edit = textBox(number);
    const QSignalBlocker quiet(edit);
    edit->setGeometry(look.rect.x, look.rect.y, look.rect.width, look.rect.height);
    edit->setVisible(look.visible);
    edit->setReadOnly(look.locked);
    edit->setVerticalScrollBarPolicy(look.scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, qColour(look.back));
    palette.setColor(QPalette::Text, qColour(look.fore));
    edit->setPalette(palette);
    QFont font(qs(look.fontName));
    font.setPointSizeF(look.fontSize);
    font.setBold(look.bold);
    font.setItalic(look.italic);
    font.setUnderline(look.underline);
    font.setStrikeOut(look.strikethrough);
    edit->setFont(font);
    const QString text = qs(look.text).replace(u"\r\n"_s, u"\n"_s);
    if (edit->toPlainText() != text)
        edit->setPlainText(text);
    // Setting the text drops the paragraphs' format: the alignment goes over the whole text each time.
    QTextCursor all(edit->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(look.alignment == TextBoxLook::Alignment::Right    ? Qt::AlignRight
                        : look.alignment == TextBoxLook::Alignment::Centre ? Qt::AlignHCenter
                                                                            : Qt::AlignLeft);
    all.mergeBlockFormat(format);
}

void PlayerWindow::showCursor(const Cursor &cursor)
{
    QCursor shown(shapeOf(cursor.shape));
    if (cursor.shape == CursorShape::Picture)
        shown = QCursor(QPixmap::fromImage(m_pictures.picture(qs(cursor.picture))));
    QWidget::setCursor(shown);
    for (QTextEdit *edit : std::as_const(m_texts))
        edit->viewport()->setCursor(shown);
}

void PlayerWindow::startMenuTimer(int milliseconds)
{
    m_timer->start(milliseconds);
}

void PlayerWindow::stopMenuTimer()
{
    m_timer->stop();
}

void PlayerWindow::playSound(SoundChannel channel, const std::string &path)
{
    if (!canPlay())
        return;
    const QUrl source = QUrl::fromLocalFile(qs(path));
    if (channel == SoundChannel::Hover || channel == SoundChannel::Click) {
        QSoundEffect *&effect = m_effects[channel == SoundChannel::Click ? 1 : 0];
        if (!effect)
            effect = new QSoundEffect(this);
        if (effect->source() != source)
            effect->setSource(source);
        effect->play();
        return;
    }
    const int index = channel == SoundChannel::Music ? 0 : 1;
    if (!m_players[index]) {
        m_players[index] = new QMediaPlayer(this);
        m_outputs[index] = new QAudioOutput(this);
        m_players[index]->setAudioOutput(m_outputs[index]);
    }
    m_players[index]->setSource(source);
    m_players[index]->setLoops(channel == SoundChannel::Music ? QMediaPlayer::Infinite : 1);
    m_players[index]->play();
}

void PlayerWindow::playVideo(const std::string &path)
{
    m_opener(qs(path));
}

bool PlayerWindow::runProgram(const std::string &path, const std::string &arguments)
{
    const QString program = qs(path);
    if (isProgram(program))
        return m_launcher(program, QProcess::splitCommand(qs(arguments)));
    // A name without a folder is a program of the system, found in the PATH.
    if (!program.contains(u'/') && !QFileInfo::exists(program)) {
        const QString found = QStandardPaths::findExecutable(program);
        return !found.isEmpty() && m_launcher(found, QProcess::splitCommand(qs(arguments)));
    }
    return m_opener(program);
}

bool PlayerWindow::openDocument(const std::string &target)
{
    return m_opener(qs(target));
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

void PlayerWindow::endMenu()
{
    for (QMediaPlayer *player : m_players) {
        if (player)
            player->stop();
    }
    QWidget::close();
}

void PlayerWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QtPlayerPainter drawer(painter, m_pictures);
    m_session->paint(drawer, {width(), height()});
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, &PlayerWindow::firstFrameShown);
    }
}

void PlayerWindow::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    m_session->pointerMoved({at.x(), at.y()});
}

void PlayerWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    m_session->pointerPressed({at.x(), at.y()});
}

void PlayerWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    m_session->pointerReleased({at.x(), at.y()});
}

void PlayerWindow::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_session->pointerLeft();
}

bool PlayerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto *viewport = static_cast<QWidget *>(watched);
        const QPoint at = viewport->mapTo(this, static_cast<QMouseEvent *>(event)->position().toPoint());
        m_session->pointerMoved({at.x(), at.y()});
    }
    return QWidget::eventFilter(watched, event);
}

void PlayerWindow::contextMenuEvent(QContextMenuEvent *event)
{
    const std::vector<std::string> entries = m_session->contextMenu();
    if (entries.empty())
        return;
    QMenu menu(this);
    menu.setObjectName(u"MenuContextuel"_s);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].empty())
            menu.addSeparator();
        else
            menu.addAction(qs(entries[i]), this, [this, i] { m_session->contextMenuChosen(i); });
    }
    menu.exec(event->globalPos());
}
