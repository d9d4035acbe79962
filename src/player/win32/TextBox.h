#pragma once

#include "player/core/MenuModel.h"

#include <windows.h>

#include <string>

// A text box of the menu: a multi-line edit control with its own font and colours.
class TextBox
{
public:
    TextBox(HWND parent, const MenuModel::Text &text, RECT box, int dpiY);
    ~TextBox();
    TextBox(const TextBox &) = delete;
    TextBox &operator=(const TextBox &) = delete;

    HWND handle() const { return m_edit; }
    // The brush of the background for WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC.
    HBRUSH colour(HDC dc) const;

    int backColour() const { return m_backColour; }
    int textColour() const { return m_textColour; }
    void setBackColour(int colour);
    void setTextColour(int colour);

    std::string text() const;
    void setText(const std::string &text);
    bool locked() const { return m_locked; }
    void setLocked(bool locked);
    bool scrollBar() const { return m_scrollBar; }
    void setScrollBar(bool on);
    // 0 left, 1 right, 2 centre.
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);

    struct Font
    {
        std::string name;
        double size = 10;
        bool bold = false;
        bool italic = false;
        bool strikeout = false;
        bool underline = false;
    };
    const Font &font() const { return m_font; }
    void setFont(const Font &font);

private:
    void applyFont();

    HWND m_edit = nullptr;
    HFONT m_hfont = nullptr;
    HBRUSH m_brush = nullptr;
    int m_dpiY = 96;
    int m_backColour = 16777215;
    int m_textColour = 0;
    bool m_locked = false;
    bool m_scrollBar = false;
    int m_alignment = 0;
    Font m_font;
};
