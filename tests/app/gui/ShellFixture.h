#pragma once

#include "app/DesignerStartup.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

// The real designer started on a temporary program folder, settings store and
// association folders, answering every box through a scripted prompter.
class ShellFixture : public ::testing::Test
{
protected:
    ShellFixture();
    ~ShellFixture() override;

    bool start(const QStringList &arguments = {});
    DesignerSession &session() { return *m_startup->session(); }
    QString programFile(const QString &name) const { return m_program.filePath(name); }
    // Loads the "Bleu" appearance through the appearance editor.
    void useBleu();

    // Runs check on the modal window of type Window that the action opens, then closes it.
    template <typename Window> static void whileOpen(QAction *action, const std::function<void(Window &)> &check);

    QTemporaryDir m_program;
    QTemporaryDir m_user;
    SettingsStore m_settings;
    ScriptedPrompter m_prompter;
    std::unique_ptr<DesignerStartup> m_startup;

private:
    static void pollModal(const std::function<bool()> &found, QAction *action);
};

template <typename Window> void ShellFixture::whileOpen(QAction *action, const std::function<void(Window &)> &check)
{
    pollModal(
        [&check] {
            auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
            if (!window)
                return false;
            check(*window);
            if (window->isVisible())
                window->close();
            return true;
        },
        action);
}
