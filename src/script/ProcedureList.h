#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The procedure combo's entries and, in parallel, the declaration line each one
// stands for ("Procédures" / "RIEN" first).
class ProcedureList
{
public:
    static ProcedureList scan(const QString &text);

    const QStringList &entries() const { return m_entries; }
    const QStringList &declarations() const { return m_declarations; }

    // The caret position for the chosen entry: just before the first occurrence of
    // its declaration, the end of the text when the declaration is gone, nothing when
    // no entry after the first has that text or the text is shorter than 3 characters.
    std::optional<qsizetype> caretFor(const QString &chosen, const QString &text) const;

private:
    QStringList m_entries;
    QStringList m_declarations;
};
