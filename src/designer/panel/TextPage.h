#pragma once

#include "designer/panel/PanelContext.h"
#include "designer/panel/PositionDialog.h"

#include <QWidget>

#include <functional>

class ColourSwatch;
class QCheckBox;
class QLineEdit;
struct MenuText;

// The page of one text box: colours, font, size, position, flags and deletion.
class TextPage : public QWidget
{
    Q_OBJECT

public:
    explicit TextPage(PanelContext context, QWidget *parent = nullptr);

    void showText(int slot);
    int slot() const { return m_slot; }

private:
    void build();
    void connectControls();
    void fill();
    void edit(const std::function<void(MenuText &)> &change);
    void chooseColour(int MenuText::*colour);
    void chooseFont();
    void applySize();
    void movePosition(PositionUnit unit);
    void storeFlags();
    void deleteText();

    PanelContext m_ctx;
    int m_slot = -1;
    ColourSwatch *m_backColour = nullptr;
    ColourSwatch *m_textColour = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QCheckBox *m_locked = nullptr;
    QCheckBox *m_scrollBar = nullptr;
};
