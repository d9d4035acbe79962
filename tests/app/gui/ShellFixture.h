#pragma once

#include "app/DesignerStartup.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>

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

    QTemporaryDir m_program;
    QTemporaryDir m_user;
    SettingsStore m_settings;
    ScriptedPrompter m_prompter;
    std::unique_ptr<DesignerStartup> m_startup;
};
