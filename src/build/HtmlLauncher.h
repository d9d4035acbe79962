#pragma once

#include "common/ZepError.h"

#include <QByteArray>
#include <QString>

class MenuProject;

// index.htm: a page that opens "zep_menu2.htm" of its folder in a centred browser
// window without tool bars, sized like the menu window.
class HtmlLauncher
{
public:
    static inline const QString kFileName = QStringLiteral("index.htm");

    explicit HtmlLauncher(const MenuProject &project) : m_project(project) {}

    // The page, Windows-1252 with CR LF line ends.
    QByteArray page() const;
    // Writes the page as folder + "index.htm", replacing an older one; the folder
    // must exist.
    ZepError writeInto(const QString &folder) const;

private:
    const MenuProject &m_project;
};
