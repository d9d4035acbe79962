#include "player/win32/TextBox.h"

#include "player/win32/WideText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 4;

COLORREF colourRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// The edit control wants CR LF; a script may give bare LF.
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

bool sameFont(const TextBoxLook &a, const TextBoxLook &b)
{
    return a.fontName == b.fontName && a.fontSize == b.fontSize && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikethrough == b.strikethrough;
}

} // namespace

TextBox::TextBox(HWND parent, int number) : m_number(number)
{
    m_edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 0, 0, 1, 1, parent,
                             reinterpret_cast<HMENU>(INT_PTR(number)), GetModuleHandleW(nullptr), nullptr);
}

TextBox::~TextBox()
{
    if (m_edit)
        DestroyWindow(m_edit);
    if (m_font)
        DeleteObject(m_font);
    if (m_brush)
        DeleteObject(m_brush);
}

void TextBox::apply(const TextBoxLook &look)
{
    const TextBoxLook old = m_look;
    m_look = look;
    if (!m_applied || !sameFont(old, look))
        applyFont(look);
    if (!m_applied || !(old.back == look.back)) {
        if (m_brush)
            DeleteObject(m_brush);
        m_brush = CreateSolidBrush(colourRef(look.back));
    }
    LONG_PTR style = GetWindowLongPtrW(m_edit, GWL_STYLE) & ~LONG_PTR(ES_LEFT | ES_CENTER | ES_RIGHT);
    style |= look.alignment == TextBoxLook::Alignment::Right    ? ES_RIGHT
             : look.alignment == TextBoxLook::Alignment::Centre ? ES_CENTER
                                                                 : ES_LEFT;
    SetWindowLongPtrW(m_edit, GWL_STYLE, style);
    SendMessageW(m_edit, EM_SETREADONLY, look.locked, 0);
    const std::wstring text = withCrLf(widetext::widen(look.text));
    if (!m_applied || widetext::widen(this->text()) != text)
        SetWindowTextW(m_edit, text.c_str());
    SetWindowPos(m_edit, nullptr, look.rect.x, look.rect.y, std::max(1, look.rect.width),
                 std::max(1, look.rect.height), SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ShowScrollBar(m_edit, SB_VERT, look.scrollBar);
    // The same margin round the text as the Linux player's text boxes.
    RECT inner{};
    GetClientRect(m_edit, &inner);
    InflateRect(&inner, -kMargin, -kMargin);
    SendMessageW(m_edit, EM_SETRECTNP, 0, LPARAM(&inner));
    ShowWindow(m_edit, look.visible ? SW_SHOWNA : SW_HIDE);
    InvalidateRect(m_edit, nullptr, TRUE);
    m_applied = true;
}

std::string TextBox::text() const
{
    const int length = GetWindowTextLengthW(m_edit);
    std::wstring text(std::size_t(length) + 1, L'\0');
    GetWindowTextW(m_edit, text.data(), length + 1);
    text.resize(std::size_t(length));
    return widetext::narrow(text);
}

HBRUSH TextBox::colour(HDC dc) const
{
    SetTextColor(dc, colourRef(m_look.fore));
    SetBkColor(dc, colourRef(m_look.back));
    return m_brush;
}

void TextBox::applyFont(const TextBoxLook &look)
{
    const HDC screen = GetDC(nullptr);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW log{};
    log.lfHeight = -LONG(std::lround(std::clamp(look.fontSize, 1.0, 400.0) * dpiY / 72.0));
    log.lfWeight = look.bold ? FW_BOLD : FW_NORMAL;
    log.lfItalic = look.italic;
    log.lfUnderline = look.underline;
    log.lfStrikeOut = look.strikethrough;
    log.lfCharSet = DEFAULT_CHARSET;
    log.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring name = widetext::widen(look.fontName);
    lstrcpynW(log.lfFaceName, name.c_str(), LF_FACESIZE);
    const HFONT font = CreateFontIndirectW(&log);
    SendMessageW(m_edit, WM_SETFONT, WPARAM(font), TRUE);
    if (m_font)
        DeleteObject(m_font);
    m_font = font;
}
