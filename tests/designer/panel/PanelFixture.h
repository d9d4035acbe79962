#pragma once

#include "designer/ParametersPanel.h"
#include "document/DesignerDocument.h"
#include "support/ScriptedPrompter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A standalone panel on its own project, answering through a scripted prompter. The
// worksheet's client area is the outer size less a 16 x 39-pixel frame.
class PanelFixture : public ::testing::Test
{
protected:
    static constexpr int kFrameWidth = 16;
    static constexpr int kFrameHeight = 39;

    PanelFixture();
    ~PanelFixture() override;

    template <typename T = QWidget> T *child(const QString &name) const
    {
        T *found = m_panel->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    void click(const QString &name);
    // Types into a field (replacing its text) and presses Return.
    void type(const QString &name, const QString &text);
    // The chooser entry picked by the user.
    void choose(const QString &entry);
    void chooseStartup(int index);
    // An image file in the temporary folder.
    QString makeImage(const QString &name, QSize size, QColor colour = Qt::red) const;
    void expectError(const QString &text);

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    DesignerDocument m_document{m_prompter, m_dir.path()};
    MenuProject &m_project = m_document.project();
    std::unique_ptr<ParametersPanel> m_panel;
    std::unique_ptr<QSignalSpy> m_scripts;
};
