#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// How one command is called: its arguments in order, then the options it takes.
struct CommandSyntax
{
    QString name;
    QStringList arguments; // placeholders: PROJECT.zep, FOLDER…
    QStringList options;   // "--light", or "--sub NAME" for one followed by a value

    // "zepc compile PROJET.zep DOSSIER [--sub NOM] …", and the same in its parts.
    QString synopsis() const;
    QStringList parts() const;
    QString usage() const;
};

// A command's arguments once checked against its syntax.
class CommandLine
{
public:
    // Nothing, after one line saying what is wrong and the usage line, when the
    // arguments do not fit.
    static std::optional<CommandLine> parse(const CommandSyntax &syntax, const QStringList &arguments);

    const QString &argument(qsizetype i) const { return m_positional[i]; }
    const QStringList &arguments() const { return m_positional; }
    bool has(const QString &option) const { return m_flags.contains(option) || m_values.contains(option); }
    QString value(const QString &option) const { return m_values.value(option); }

private:
    QStringList m_positional;
    QStringList m_flags;
    QHash<QString, QString> m_values;
};
