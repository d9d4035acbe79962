#include "script/gui/CodeBox.h"

#include "script/CodeBoxText.h"
#include "script/gui/VbsHighlighter.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMarginPadding = 4;

} // namespace

CodeBox::CodeBox(QWidget *parent)
    : QPlainTextEdit(parent), m_margin(new QWidget(this)), m_highlighter(new VbsHighlighter(document()))
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    useCodeLook();

    m_margin->setObjectName(u"numeros_lignes"_s);
    m_margin->installEventFilter(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &CodeBox::updateMarginWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &CodeBox::updateMargin);
    updateMarginWidth();
}

void CodeBox::useCodeLook()
{
    QFont font(u"Courier New"_s);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, QColor(0, 0, 128));
    setPalette(colours);
}

QString CodeBox::boxText() const
{
    // The raw text keeps non-breaking spaces and line separators that toPlainText() changes.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

QString CodeBox::script() const
{
    return codeboxtext::fromBox(boxText());
}

void CodeBox::replaceScript(qsizetype start, qsizetype end, const QString &replacement)
{
    const QString script = this->script();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.setPosition(int(codeboxtext::toBoxPosition(script, start)));
    cursor.setPosition(int(codeboxtext::toBoxPosition(script, end)), QTextCursor::KeepAnchor);
    cursor.insertText(codeboxtext::toBox(replacement));
    cursor.endEditBlock();
}

void CodeBox::setScript(const QString &script)
{
    setPlainText(codeboxtext::toBox(script));
}

void CodeBox::updateScript(const QString &script)
{
    const QString current = this->script();
    const qsizetype shorter = std::min(current.size(), script.size());
    qsizetype head = 0;
    while (head < shorter && current[head] == script[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && current[current.size() - 1 - tail] == script[script.size() - 1 - tail])
        ++tail;
    replaceScript(head, current.size() - tail, script.mid(head, script.size() - tail - head));
}

qsizetype CodeBox::caret() const
{
    return codeboxtext::fromBoxPosition(boxText(), textCursor().position());
}

void CodeBox::setCaret(qsizetype position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(int(codeboxtext::toBoxPosition(script(), position)));
    setTextCursor(cursor);
}

qsizetype CodeBox::selectionStart() const
{
    return codeboxtext::fromBoxPosition(boxText(), textCursor().selectionStart());
}

qsizetype CodeBox::selectionLength() const
{
    const QString box = boxText();
    const QTextCursor cursor = textCursor();
    return codeboxtext::fromBoxPosition(box, cursor.selectionEnd()) -
           codeboxtext::fromBoxPosition(box, cursor.selectionStart());
}

int CodeBox::marginWidth() const
{
    const int digits = int(QString::number(std::max(1, blockCount())).size());
    return kMarginPadding * 2 + fontMetrics().horizontalAdvance(u'9') * std::max(digits, 2);
}

void CodeBox::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool modified = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    // Shift+Enter would insert a line separator, which is no line break of the script.
    if (enter && (event->modifiers() & Qt::ShiftModifier) && !isReadOnly())
        insertPlainText(u"\n"_s);
    else
        QPlainTextEdit::keyPressEvent(event);
    if (enter && !modified)
        emit plainEnterPressed();
}

QMimeData *CodeBox::createMimeDataFromSelection() const
{
    QString selected = textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, u'\n');
    auto *data = new QMimeData;
    data->setText(codeboxtext::fromBox(selected));
    return data;
}

void CodeBox::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        insertPlainText(codeboxtext::pastedToBox(source->text()));
}

void CodeBox::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    m_margin->setGeometry(area.left(), area.top(), marginWidth(), area.height());
}

bool CodeBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_margin && event->type() == QEvent::Paint) {
        paintMargin(static_cast<QPaintEvent *>(event));
        return true;
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

void CodeBox::updateMarginWidth()
{
    setViewportMargins(marginWidth(), 0, 0, 0);
    const QRect area = contentsRect();
    m_margin->setGeometry(area.left(), area.top(), marginWidth(), area.height());
}

void CodeBox::updateMargin(const QRect &rect, int dy)
{
    if (dy != 0)
        m_margin->scroll(0, dy);
    else
        m_margin->update(0, rect.y(), m_margin->width(), rect.height());
}

void CodeBox::paintMargin(QPaintEvent *event)
{
    QPainter painter(m_margin);
    painter.fillRect(event->rect(), QColor(236, 236, 236));
    painter.setPen(QColor(128, 128, 128));
    painter.setFont(font());
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top())
            painter.drawText(0, top, m_margin->width() - kMarginPadding, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        block = block.next();
        top = bottom;
    }
}
