#pragma once

#include <QStringList>

#include <memory>

class DesignerSession;
class Prompter;
class SettingsStore;

// The designer's entry point: command line, maintenance mode, screen check, windows
// created and laid out around the worksheet, first-run files, windows shown.
class DesignerStartup
{
public:
    DesignerStartup(const QString &programFolder, SettingsStore &settings, Prompter &prompter);
    ~DesignerStartup();

    // Returns false when the program must end now (maintenance mode, too small a screen).
    bool start(const QStringList &arguments);
    DesignerSession *session() const { return m_session.get(); }

private:
    void layOutWindows(double screenWidthTwips);

    QString m_programFolder;
    SettingsStore &m_settings;
    Prompter &m_prompter;
    std::unique_ptr<DesignerSession> m_session;
};
