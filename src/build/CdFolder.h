#pragma once

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

    const QString &root() const { return m_root; }
    // The zep sub-folder, ending with "/".
    QString zep() const { return m_root + QStringLiteral("zep/"); }
    // The same without the final "/", as messages name it and folder calls take it.
    QString zepPath() const { return m_root + QStringLiteral("zep"); }
    // A file of the zep folder: a player copy, a medium, a runtime file.
    QString inZep(const QString &name) const { return zep() + name; }
    // The player copy a main menu starts from.
    QString playerCopy() const { return inZep(QStringLiteral("autorun.exe")); }

private:
    QString m_root;
};
