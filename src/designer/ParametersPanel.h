#pragma once

#include "common/gui/ToolWindow.h"

class MenuProject;
class QComboBox;

// Form4: every parameter of the project and of the selected item.
class ParametersPanel : public ToolWindow
{
    Q_OBJECT

public:
    static constexpr int kWidthPixels = 199; // 2985 twips at 15 twips per pixel

    explicit ParametersPanel(MenuProject &project, QWidget *parent = nullptr);

signals:
    // The first time the panel becomes active, the start-up project is opened.
    void firstActivated();

protected:
    bool event(QEvent *event) override;

private:
    void refreshChooser();

    MenuProject &m_project;
    QComboBox *m_chooser;
    bool m_activated = false;
};
