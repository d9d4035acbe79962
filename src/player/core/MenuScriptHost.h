#pragma once

#include "player/core/MenuModel.h"
#include "player/core/PlayerFront.h"
#include "player/core/ScriptHost.h"
#include "player/core/ScriptWatchdog.h"
#include "vbscript/ScriptEngine.h"

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

// Runs the menu's scripts on the VBScript engine with the objects of the menu window.
// A failing or runaway script is reported in a message box and the menu goes on.
class MenuScriptHost : public ScriptHost
{
public:
    // discRoot is the folder above zep/ ([LECT]); menuFolder the running menu's folder ([CHEMIN]).
    MenuScriptHost(const MenuModel &menu, PlayerFront &front, std::string discRoot, std::string menuFolder);
    ~MenuScriptHost() override;

    void setTimeLimit(std::chrono::milliseconds limit);
    std::string replaceTokens(std::string_view code) const;

    void runStartup(const std::string &globalCode, const std::string &code) override;
    void buttonClicked(int number, const std::string &code) override;
    void buttonHovered(int number, const std::string &code) override;
    void windowHovered(const std::string &code) override;
    void timerTicked(const std::string &code) override;

private:
    class Services;

    void addObjects(const MenuModel &menu);
    // False when the script failed or was interrupted.
    bool runScript(const std::string &slot, const std::string &code, bool global = false);
    void reportError(const std::string &slot, const vbs::ScriptError &error);

    PlayerFront &m_front;
    std::string m_discRoot;
    std::string m_menuFolder;
    std::unique_ptr<Services> m_services;
    vbs::ScriptEngine m_engine;
    ScriptWatchdog m_watchdog;
    int m_depth = 0;
    bool m_windowHoverFailed = false;
};
