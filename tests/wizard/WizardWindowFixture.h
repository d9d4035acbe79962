#pragma once

#include "support/ScriptedPrompter.h"
#include "wizard/gui/WizardWindow.h"

#include <QAbstractButton>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A wizard on screen with a scripted prompter, its save folder and a folder of
// pictures to choose from.
class WizardWindowFixture : public ::testing::Test
{
protected:
    static inline const QString kCaption = QStringLiteral("Assistant création");
    static inline const QString kSuccess =
        QStringLiteral("Votre menu a été enregistré et ouvert avec succès !\r\n\r\nAppuyez sur F5 pour tester ou "
                       "cliquez sur Créer > Compiler > en autorun pour créer.");

    WizardWindowFixture();
    ~WizardWindowFixture() override;

    template <typename T> T *child(const QString &name) const
    {
        T *widget = m_wizard ? m_wizard->findChild<T *>(name) : nullptr;
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    void click(const QString &name) const;
    void type(const QString &name, const QString &text) const;

    // Queues an exclamation box with the wizard's caption.
    void expectWarning(const QString &text);
    // Through the add panel; graphic buttons take their three pictures from the sources.
    void addTextButton(const QString &text);
    void addGraphicButton(const QString &stem, QSize size);
    void selectButton(const QString &list, int row) const;

    QString sources() const { return m_dir.filePath(QStringLiteral("sources")); }
    QString saveFolder() const { return m_dir.filePath(QStringLiteral("menus")); }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    QStringList m_opened;
    QPointer<WizardWindow> m_wizard;
};
