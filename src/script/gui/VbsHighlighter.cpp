#include "script/gui/VbsHighlighter.h"

#include "script/VbsHighlightRules.h"

VbsHighlighter::VbsHighlighter(QTextDocument *document) : QSyntaxHighlighter(document)
{
    m_keyword.setForeground(QColor(0, 0, 255));
    m_keyword.setFontWeight(QFont::Bold);
    m_string.setForeground(QColor(163, 21, 21));
    m_comment.setForeground(QColor(0, 128, 0));
    m_comment.setFontItalic(true);
    m_number.setForeground(QColor(9, 134, 88));
}

void VbsHighlighter::highlightBlock(const QString &text)
{
    for (const vbshighlight::Span &span : vbshighlight::spans(text)) {
        switch (span.kind) {
        case vbshighlight::TokenKind::Keyword:
            setFormat(int(span.start), int(span.length), m_keyword);
            break;
        case vbshighlight::TokenKind::String:
            setFormat(int(span.start), int(span.length), m_string);
            break;
        case vbshighlight::TokenKind::Comment:
            setFormat(int(span.start), int(span.length), m_comment);
            break;
        case vbshighlight::TokenKind::Number:
            setFormat(int(span.start), int(span.length), m_number);
            break;
        }
    }
}
