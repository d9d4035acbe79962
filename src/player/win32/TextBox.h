#pragma once

#include "player/core/PlayerFront.h"

#include <windows.h>

#include <string>

// A text box of the menu: a multi-line edit control kept in step with the session's look.
class TextBox
{
public:
    TextBox(HWND parent, int number);
    ~TextBox();
    TextBox(const TextBox &) = delete;
    TextBox &operator=(const TextBox &) = delete;

    HWND handle() const { return m_edit; }
    int number() const { return m_number; }
    void apply(const TextBoxLook &look);
    // The text typed, lines ending with CR LF.
    std::string text() const;
    // The background brush and colours for WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC.
    HBRUSH colour(HDC dc) const;

private:
    void applyFont(const TextBoxLook &look);

    HWND m_edit = nullptr;
    int m_number;
    HFONT m_font = nullptr;
    HBRUSH m_brush = nullptr;
    TextBoxLook m_look;
    bool m_applied = false;
};
