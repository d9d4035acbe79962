#pragma once

#include "common/gui/ToolWindow.h"

class MenuProject;

// Form3: the menu window at its real size, on which the author lays the menu out.
class Worksheet : public ToolWindow
{
    Q_OBJECT

public:
    explicit Worksheet(MenuProject &project, QWidget *parent = nullptr);

    // "Feuille de travail - 9600x7200 - 640x480px", or the full-screen wording.
    static QString captionFor(double widthTwips, double heightTwips, double tppX, double tppY, bool fullScreen);

private:
    void followProject();

    MenuProject &m_project;
};
