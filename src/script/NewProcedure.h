#pragma once

#include <QString>

#include <optional>

enum class ProcedureKind { Function, Sub };
enum class ProcedureScope { Private, Public };

struct NewProcedure
{
    QString name;     // as the name field shows it after "&Valider"
    QString appended; // added to the end of the code box text
};

// What "&Valider" of the new-procedure panel does; nothing for an empty name.
std::optional<NewProcedure> makeNewProcedure(const QString &name, ProcedureKind kind, ProcedureScope scope);
