#pragma once

#include "prompt/PromptTypes.h"

#include <optional>

class Prompter;
class SettingsStore;

// The maintenance mode ("debogage" on the command line): one action chosen by number,
// its message, and the end of the program.
class MaintenanceActions
{
public:
    MaintenanceActions(const QString &programFolder, SettingsStore &store, Prompter &prompter);

    static InputRequest question();

    // Asks for the action, performs it and shows its message.
    void run();
    // The message to show after the action, if it has one. A file that cannot be
    // written gives its error instead of the action's message.
    std::optional<MessageRequest> perform(int action);

private:
    QString m_programFolder;
    SettingsStore &m_store;
    Prompter &m_prompter;
};
