#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// Colours keywords, strings, comments and numbers; the text itself is never touched.
class VbsHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit VbsHighlighter(QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;

private:
    QTextCharFormat m_keyword;
    QTextCharFormat m_string;
    QTextCharFormat m_comment;
    QTextCharFormat m_number;
};
