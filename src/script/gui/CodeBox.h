#pragma once

#include <QPlainTextEdit>

class VbsHighlighter;

// The code box: a script with CR LF line breaks seen through a plain text widget, with
// line numbers in a left margin and VBScript colouring. Positions are script positions.
class CodeBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CodeBox(QWidget *parent = nullptr);

    QString script() const;
    // Replaces the script part [start, end) in one change.
    void replaceScript(qsizetype start, qsizetype end, const QString &replacement);
    void setScript(const QString &script);
    // Replaces only the part between the common beginning and end, in one change.
    void updateScript(const QString &script);

    qsizetype caret() const;
    void setCaret(qsizetype position);
    qsizetype selectionStart() const;
    qsizetype selectionLength() const;

    int marginWidth() const;
    // The code's own font and text colour, whatever theme the window took.
    void useCodeLook();

signals:
    // Enter without Shift, Ctrl or Alt.
    void plainEnterPressed();

protected:
    // The clipboard carries the script's own characters.
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString boxText() const;
    void updateMarginWidth();
    void updateMargin(const QRect &rect, int dy);
    void paintMargin(QPaintEvent *event);

    QWidget *m_margin;
    VbsHighlighter *m_highlighter;
};
