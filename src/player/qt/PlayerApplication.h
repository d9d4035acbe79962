#pragma once

#include <QString>
#include <QStringList>

// The player program: reads the menu data at the end of its own file and shows the
// menu, or answers the "infos" and "auteur" command lines.
//
// Hidden test hooks, read from the environment:
//   ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME=1  quit once the menu window has painted once;
//   ZEP_PLAYER_GRAB=file.png             save the window to that PNG after the first
//                                        frame, then quit.
class PlayerApplication
{
public:
    // arguments without the program name; a QApplication must exist.
    static int run(const QString &programFile, const QStringList &arguments);
};
