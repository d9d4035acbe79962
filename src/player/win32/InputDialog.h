#pragma once

#include <windows.h>

#include <string>

// The InputBox of the scripts: a prompt, a line to type in, "OK" and "Annuler", built
// in code (no resource file). Modal over its owner.
class InputDialog
{
public:
    // The text typed, or empty on Cancel.
    static std::wstring ask(HWND owner, const std::wstring &prompt, const std::wstring &title,
                            const std::wstring &defaultText);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::wstring m_answer;
    HWND m_edit = nullptr;
    bool m_done = false;
};
