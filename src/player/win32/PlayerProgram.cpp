#include "player/win32/PlayerProgram.h"

#include "player/core/MenuDataParser.h"
#include "player/core/MenuScriptHost.h"
#include "player/win32/GdiplusLibrary.h"
#include "player/win32/MenuWindow.h"
#include "player/win32/Shell.h"
#include "player/win32/WideText.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

const wchar_t kInfos[] = L"Ce menu a été créé avec ZEP, l'outil qui dessine le menu de démarrage de vos CD-ROM : "
                         L"fond, boutons, textes, sons et actions en VBScript.";

std::string readFile(const std::wstring &path)
{
    std::ifstream stream(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::wstring folderOf(const std::wstring &path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

bool environmentFlag(const wchar_t *name)
{
    wchar_t value[8] = {};
    return GetEnvironmentVariableW(name, value, 8) > 0 && value[0] == L'1';
}

} // namespace

int PlayerProgram::run(const std::wstring &programFile, const std::vector<std::wstring> &arguments)
{
    const std::wstring command = arguments.empty() ? std::wstring() : arguments.front();
    if (command == L"infos") {
        MessageBoxW(nullptr, kInfos, L"Qu'est-ce que ZEP ?", MB_OK | MB_ICONINFORMATION);
        return 0;
    }

    MenuModel menu;
    MenuDataParser parser;
    if (!parser.parseFile(readFile(programFile), menu)) {
        const std::wstring text = L"Ce menu ne peut pas être affiché : " + widetext::widen(parser.error()) + L'.';
        MessageBoxW(nullptr, text.c_str(), L"Erreur !", MB_OK | MB_ICONERROR);
        return 1;
    }
    if (command == L"auteur") {
        const std::wstring text =
            L"Projet : " + widetext::widen(menu.projectName) + L"\nAuteur : " + widetext::widen(menu.author);
        MessageBoxW(nullptr, text.c_str(), L"A propos de ZEP...", MB_OK | MB_ICONINFORMATION);
        return 0;
    }

    GdiplusLibrary gdiplus;
    const std::wstring mediaFolder = folderOf(programFile);
    // [LECT] is the disc the menu runs from: the folder above zep\.
    std::wstring discRoot = folderOf(mediaFolder);
    if (discRoot.size() == 2 && discRoot[1] == L':')
        discRoot.push_back(L'\\');
    Shell shell(discRoot);
    MenuWindow window(std::move(menu), mediaFolder, shell);
    window.setQuitAfterFirstFrame(environmentFlag(L"ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME"));
    std::string scriptRoot = widetext::narrow(discRoot);
    std::replace(scriptRoot.begin(), scriptRoot.end(), '\\', '/');
    std::string scriptFolder = widetext::narrow(mediaFolder);
    std::replace(scriptFolder.begin(), scriptFolder.end(), '\\', '/');
    MenuScriptHost scripts(window.menu(), window, scriptRoot, scriptFolder);
    window.setScriptHost(scripts);
    if (!window.start()) {
        MessageBoxW(nullptr, L"La fenêtre du menu n'a pas pu être créée.", L"Erreur !", MB_OK | MB_ICONERROR);
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
