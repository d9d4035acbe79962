#pragma once

#include "common/Twips.h"

#include <QPlainTextEdit>

struct MenuText;

// One menu text box on the worksheet, typed directly by the author.
class TextItem : public QPlainTextEdit
{
    Q_OBJECT

public:
    TextItem(int slot, QWidget *parent);

    int slot() const { return m_slot; }
    // Shows the text's content, font, colours, scroll-bar flag, place and size.
    void follow(const MenuText &text, const TwipsPerPixel &tpp);
    // The content with CR LF line breaks, as the model holds it.
    QString content() const;

    // Resize mode: the box stops taking typing while its size is dragged out.
    bool isResizing() const { return m_resizing; }
    void setResizing(bool on);

private:
    int m_slot;
    bool m_resizing = false;
};
