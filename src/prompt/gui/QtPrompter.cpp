#include "prompt/gui/QtPrompter.h"

#include "common/ColourValue.h"
#include "prompt/FileFilter.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QList<QMessageBox::StandardButton> qtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return {QMessageBox::Ok};
    case MessageButtons::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case MessageButtons::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::YesNoCancel: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MessageButtons::RetryCancel: return {QMessageBox::Retry, QMessageBox::Cancel};
    case MessageButtons::AbortRetryIgnore: return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    }
    return {QMessageBox::Ok};
}

Answer toAnswer(int button)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Ignore: return Answer::Ignore;
    default: return Answer::Ok;
    }
}

void leaveFolderCurrent(const QString &chosen)
{
    if (!chosen.isEmpty())
        QDir::setCurrent(QFileInfo(chosen).absolutePath());
}

} // namespace

QtPrompter::QtPrompter(QWidget *parent)
    : m_parent(parent)
{
}

QWidget *QtPrompter::owner()
{
    // The author acted in the active window: the box is modal to it and centred on it.
    // Right after a box closes no window is active yet: the next box of the same
    // question goes where the last one went.
    if (QWidget *active = QApplication::activeWindow())
        m_lastOwner = active;
    if (m_lastOwner && m_lastOwner->isVisible())
        return m_lastOwner;
    return m_parent;
}

Answer QtPrompter::message(const MessageRequest &request)
{
    QMessageBox box(qtIcon(request.icon), titleOf(request.title), QString(request.text).remove(u'\r'),
                    QMessageBox::NoButton, owner());
    const auto buttons = qtButtons(request.buttons);
    for (auto b : buttons)
        box.addButton(b);
    const int index = qBound(1, request.defaultButton, int(buttons.size())) - 1;
    box.setDefaultButton(buttons[index]);
    if (request.systemModal)
        box.setWindowModality(Qt::ApplicationModal);
    return toAnswer(box.exec());
}

QString QtPrompter::input(const InputRequest &request)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), titleOf(request.title), QString(request.prompt).remove(u'\r'),
                                               QLineEdit::Normal, request.defaultText, &ok);
    return ok ? text : QString();
}

QString QtPrompter::openFile(const FileRequest &request)
{
    const QString start = QDir(QDir::currentPath()).filePath(request.fileName);
    const QString chosen = QFileDialog::getOpenFileName(owner(), request.title, start, toQtFileFilter(request.filter));
    leaveFolderCurrent(chosen);
    return chosen;
}

QString QtPrompter::saveFile(const FileRequest &request)
{
    const QString start = QDir(QDir::currentPath()).filePath(request.fileName);
    const QString chosen = QFileDialog::getSaveFileName(owner(), request.title, start, toQtFileFilter(request.filter));
    leaveFolderCurrent(chosen);
    return chosen;
}

QString QtPrompter::folder(const FolderRequest &request)
{
    const QString chosen = QFileDialog::getExistingDirectory(owner(), request.prompt, QDir::currentPath());
    if (!chosen.isEmpty())
        QDir::setCurrent(chosen);
    return chosen;
}

std::optional<int> QtPrompter::colour(const ColourRequest &request)
{
    const QColor chosen = QColorDialog::getColor(colourvalue::toColor(request.initial), owner());
    if (!chosen.isValid())
        return std::nullopt;
    return colourvalue::fromColor(chosen);
}

std::optional<FontChoice> QtPrompter::font(const FontChoice &initial)
{
    QFont start(initial.name);
    start.setPointSizeF(initial.size > 0 ? initial.size : 8.0);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    start.setStrikeOut(initial.strikethrough);
    start.setUnderline(initial.underline);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, owner());
    if (!ok)
        return std::nullopt;
    FontChoice result;
    result.name = chosen.family();
    result.size = chosen.pointSizeF();
    result.bold = chosen.bold();
    result.italic = chosen.italic();
    result.strikethrough = chosen.strikeOut();
    result.underline = chosen.underline();
    return result;
}
