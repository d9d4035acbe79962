#pragma once

#include "build/DiscFile.h"
#include "common/PathText.h"

#include <QString>

// The folder a build writes to burn: its root holds the start-up files, zep/ the
// player copies, the media and the runtime files.
class CdFolder
{
public:
    // root ends with "/" once made.
    explicit CdFolder(QString root = QString()) : m_root(std::move(root))
    {
        if (!m_root.isEmpty() && !m_root.endsWith(u'/'))
            m_root += u'/';
    }
    // With the zep folder already there in whatever case, that one.
    static CdFolder onDisc(const QString &root)
    {
        CdFolder cd(root);
        cd.m_zep = pathtext::nameOf(discfile::find(cd.m_root, cd.m_zep));
        return cd;
    }

    const QString &root() const { return m_root; }
    // The zep sub-folder, ending with "/".
    QString zep() const { return zepPath() + u'/'; }
    // The same without the final "/", as messages name it and folder calls take it.
    QString zepPath() const { return m_root + m_zep; }
    // A file of the zep folder: a player copy, a medium, a runtime file.
    QString inZep(const QString &name) const { return zep() + name; }
    // The player copy a main menu starts from.
    QString playerCopy() const { return inZep(QStringLiteral("autorun.exe")); }

private:
    QString m_root;
    QString m_zep = QStringLiteral("zep");
};
