#include "player/win32/TextBox.h"

#include "player/win32/WideText.h"

#include <algorithm>
#include <cmath>

namespace {

COLORREF colourRef(int value)
{
    return COLORREF(value & 0xFFFFFF);
}

// The edit control wants CR LF; the data may hold bare LF.
std::wstring withCrLf(const std::wstring &text)
{
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r'))
            out.push_back(L'\r');
        out.push_back(text[i]);
    }
    return out;
}

} // namespace

TextBox::TextBox(HWND parent, const MenuModel::Text &text, RECT box, int dpiY)
    : m_dpiY(dpiY), m_backColour(text.backColour), m_textColour(text.textColour), m_locked(text.readOnly),
      m_scrollBar(text.scrollBar)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_LEFT | (m_locked ? ES_READONLY : 0) |
                        (m_scrollBar ? WS_VSCROLL : 0);
    m_edit = CreateWindowExW(0, L"EDIT", withCrLf(widetext::widen(text.text)).c_str(), style, box.left, box.top,
                             std::max<LONG>(1, box.right - box.left), std::max<LONG>(1, box.bottom - box.top), parent,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    m_brush = CreateSolidBrush(colourRef(m_backColour));
    m_font = {text.fontName, text.fontSize, text.bold, text.italic, text.strikethrough, text.underline};
    applyFont();
}

TextBox::~TextBox()
{
    if (m_edit)
        DestroyWindow(m_edit);
    if (m_hfont)
        DeleteObject(m_hfont);
    if (m_brush)
        DeleteObject(m_brush);
}

HBRUSH TextBox::colour(HDC dc) const
{
    SetTextColor(dc, colourRef(m_textColour));
    SetBkColor(dc, colourRef(m_backColour));
    return m_brush;
}

void TextBox::setBackColour(int colour)
{
    m_backColour = colour;
    if (m_brush)
        DeleteObject(m_brush);
    m_brush = CreateSolidBrush(colourRef(colour));
    InvalidateRect(m_edit, nullptr, TRUE);
}

void TextBox::setTextColour(int colour)
{
    m_textColour = colour;
    InvalidateRect(m_edit, nullptr, TRUE);
}

std::string TextBox::text() const
{
    const int length = GetWindowTextLengthW(m_edit);
    std::wstring text(std::size_t(length) + 1, L'\0');
    GetWindowTextW(m_edit, text.data(), length + 1);
    text.resize(std::size_t(length));
    return widetext::narrow(text);
}

void TextBox::setText(const std::string &text)
{
    SetWindowTextW(m_edit, withCrLf(widetext::widen(text)).c_str());
}

void TextBox::setLocked(bool locked)
{
    m_locked = locked;
    SendMessageW(m_edit, EM_SETREADONLY, locked, 0);
    InvalidateRect(m_edit, nullptr, TRUE);
}

void TextBox::setScrollBar(bool on)
{
    m_scrollBar = on;
    ShowScrollBar(m_edit, SB_VERT, on);
}

void TextBox::setAlignment(int alignment)
{
    m_alignment = alignment == 1 || alignment == 2 ? alignment : 0;
    LONG_PTR style = GetWindowLongPtrW(m_edit, GWL_STYLE) & ~LONG_PTR(ES_LEFT | ES_CENTER | ES_RIGHT);
    style |= m_alignment == 1 ? ES_RIGHT : m_alignment == 2 ? ES_CENTER : ES_LEFT;
    SetWindowLongPtrW(m_edit, GWL_STYLE, style);
    InvalidateRect(m_edit, nullptr, TRUE);
}

void TextBox::setFont(const Font &font)
{
    m_font = font;
    m_font.size = std::clamp(font.size, 1.0, 400.0);
    applyFont();
}

void TextBox::applyFont()
{
    LOGFONTW log{};
    log.lfHeight = -LONG(std::lround(std::clamp(m_font.size, 1.0, 400.0) * m_dpiY / 72.0));
    log.lfWeight = m_font.bold ? FW_BOLD : FW_NORMAL;
    log.lfItalic = m_font.italic;
    log.lfUnderline = m_font.underline;
    log.lfStrikeOut = m_font.strikeout;
    log.lfCharSet = DEFAULT_CHARSET;
    log.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring name = widetext::widen(m_font.name);
    lstrcpynW(log.lfFaceName, name.c_str(), LF_FACESIZE);
    const HFONT font = CreateFontIndirectW(&log);
    SendMessageW(m_edit, WM_SETFONT, WPARAM(font), TRUE);
    if (m_hfont)
        DeleteObject(m_hfont);
    m_hfont = font;
}
