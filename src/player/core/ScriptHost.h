#pragma once

#include <string>

// Where the player hands its scripts: the start-up code, button clicks and hovers,
// the window hover and the timer ticks. Until the script engine is wired in, the
// null host runs nothing.
class ScriptHost
{
public:
    virtual ~ScriptHost() = default;

    virtual void runStartup(const std::string &globalCode, const std::string &code) = 0;
    virtual void buttonClicked(int number, const std::string &code) = 0;
    virtual void buttonHovered(int number, const std::string &code) = 0;
    virtual void windowHovered(const std::string &code) = 0;
    virtual void timerTicked(const std::string &code) = 0;
};

class NullScriptHost : public ScriptHost
{
public:
    void runStartup(const std::string &, const std::string &) override {}
    void buttonClicked(int, const std::string &) override {}
    void buttonHovered(int, const std::string &) override {}
    void windowHovered(const std::string &) override {}
    void timerTicked(const std::string &) override {}
};
