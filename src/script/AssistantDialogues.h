#pragma once

#include "script/AssistantAction.h"
#include "script/Snippet.h"

#include <QString>

#include <optional>

class Prompter;

// What an assistant entry leads to: a snippet to insert with its banner, or, for the
// cursor entries, the object whose pointer the cursor menu will change next.
struct AssistantOutcome
{
    std::optional<Snippet> snippet;
    QString cursorTarget;

    bool operator==(const AssistantOutcome &) const = default;
};

// Runs the questions of one "Assistant VBS" entry through the Prompter.
class AssistantDialogues
{
public:
    explicit AssistantDialogues(Prompter &prompter);

    AssistantOutcome run(AssistantAction action);

    // The address "Ouvrir une page web" offers.
    static QString defaultWebAddress();

private:
    QString ask(const QString &prompt, const QString &title, const QString &defaultText = {});
    std::optional<QString> askObjectNumber(const QString &prompt);
    std::optional<QString> askTextBoxNumber();
    std::optional<QString> askButtonNumber();
    // Asks again after "Nombre incorrect !" until a number or an empty answer.
    std::optional<QString> askNumberLooping(const QString &prompt, const QString &title, const QString &errorTitle,
                                            const QString &defaultText = {});
    // Gives up after "Valeur incorrect !".
    std::optional<QString> askNumberOnce(const QString &prompt, const QString &title);
    std::optional<int> askColour();

    // Each group answers for its own entries and gives nothing for the others.
    std::optional<AssistantOutcome> runGeneral(AssistantAction action);
    std::optional<AssistantOutcome> runWindow(AssistantAction action);
    std::optional<AssistantOutcome> runBorderBackgroundTimer(AssistantAction action);
    std::optional<AssistantOutcome> runTextBox(AssistantAction action);
    std::optional<AssistantOutcome> runButton(AssistantAction action);

    Prompter &m_prompter;
};
