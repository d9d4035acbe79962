#pragma once

#include "player/core/DiscPaths.h"
#include "player/core/MenuModel.h"
#include "player/core/MenuObjects.h"
#include "player/core/ScriptWatchdog.h"
#include "vbscript/ScriptEngine.h"

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

// Runs the menu's scripts on the VBScript engine with the objects of the menu window.
// A failing or runaway script is reported in a message box and the menu goes on.
class MenuScriptHost
{
public:
    MenuScriptHost(const MenuModel &menu, MenuObjects &objects, DiscPaths paths);
    ~MenuScriptHost();
    MenuScriptHost(const MenuScriptHost &) = delete;
    MenuScriptHost &operator=(const MenuScriptHost &) = delete;

    void setTimeLimit(std::chrono::milliseconds limit);
    // Format functions and names of months and days follow that locale; messages stay French.
    void setLocale(int lcid);
    std::string replaceTokens(std::string_view code) const;

    void runStartup(const std::string &globalCode, const std::string &code);
    void buttonClicked(int number, const std::string &code);
    void buttonHovered(int number, const std::string &code);
    void windowHovered(const std::string &code);
    void timerTicked(const std::string &code);

private:
    class Services;

    void addObjects(const MenuModel &menu);
    // False when the script failed or was interrupted.
    bool runScript(const std::string &slot, const std::string &code, bool global = false);
    void reportError(const std::string &slot, const vbs::ScriptError &error);

    MenuObjects &m_objects;
    DiscPaths m_paths;
    std::unique_ptr<Services> m_services;
    vbs::ScriptEngine m_engine;
    ScriptWatchdog m_watchdog;
    int m_depth = 0;
    bool m_windowHoverFailed = false;
};
