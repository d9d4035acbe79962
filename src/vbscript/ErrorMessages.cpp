#include "vbscript/ErrorMessages.h"

namespace vbs::errors {

namespace {

struct Entry
{
    int number;
    const char16_t *english;
    const char16_t *french;
};

constexpr Entry kEntries[] = {
    {5, u"Invalid procedure call or argument", u"Argument ou appel de procédure incorrect"},
    {6, u"Overflow", u"Dépassement de capacité"},
    {7, u"Out of memory", u"Mémoire insuffisante"},
    {9, u"Subscript out of range", u"L'indice n'appartient pas à la sélection"},
    {10, u"This array is fixed or temporarily locked", u"Ce tableau est fixe ou temporairement verrouillé"},
    {11, u"Division by zero", u"Division par zéro"},
    {13, u"Type mismatch", u"Type incompatible"},
    {14, u"Out of string space", u"Espace de chaîne insuffisant"},
    {17, u"Can't perform requested operation", u"Impossible d'effectuer l'opération demandée"},
    {18, u"User interrupt occurred", u"Interruption par l'utilisateur"},
    {28, u"Out of stack space", u"Espace pile insuffisant"},
    {35, u"Sub or Function not defined", u"Sub ou Function non définie"},
    {51, u"Internal error", u"Erreur interne"},
    {91, u"Object variable not set", u"Variable objet non définie"},
    {92, u"For loop not initialized", u"Boucle For non initialisée"},
    {94, u"Invalid use of Null", u"Utilisation incorrecte de Null"},
    {424, u"Object required", u"Objet requis"},
    {429, u"ActiveX component can't create object", u"Un composant ActiveX ne peut pas créer un objet"},
    {438, u"Object doesn't support this property or method",
     u"Cet objet ne gère pas cette propriété ou cette méthode"},
    {450, u"Wrong number of arguments or invalid property assignment",
     u"Nombre d'arguments incorrect ou affectation de propriété incorrecte"},
    {451, u"Object not a collection", u"Cet objet n'est pas une collection"},
    {500, u"Variable is undefined", u"Variable non définie"},
    {501, u"Illegal assignment", u"Affectation incorrecte"},
    {505, u"Invalid or unqualified reference", u"Référence incorrecte ou non qualifiée"},
    {506, u"Class not defined", u"Classe non définie"},
    {1001, u"Out of memory", u"Mémoire insuffisante"},
    {1002, u"Syntax error", u"Erreur de syntaxe"},
    {1003, u"Expected ':'", u"':' attendu"},
    {1005, u"Expected '('", u"'(' attendu"},
    {1006, u"Expected ')'", u"')' attendu"},
    {1010, u"Expected identifier", u"Identificateur attendu"},
    {1011, u"Expected '='", u"'=' attendu"},
    {1012, u"Expected 'If'", u"'If' attendu"},
    {1013, u"Expected 'To'", u"'To' attendu"},
    {1014, u"Expected 'End'", u"'End' attendu"},
    {1015, u"Expected 'Function'", u"'Function' attendu"},
    {1016, u"Expected 'Sub'", u"'Sub' attendu"},
    {1017, u"Expected 'Then'", u"'Then' attendu"},
    {1018, u"Expected 'Wend'", u"'Wend' attendu"},
    {1019, u"Expected 'Loop'", u"'Loop' attendu"},
    {1020, u"Expected 'Next'", u"'Next' attendu"},
    {1021, u"Expected 'Case'", u"'Case' attendu"},
    {1022, u"Expected 'Select'", u"'Select' attendu"},
    {1023, u"Expected expression", u"Expression attendue"},
    {1024, u"Expected statement", u"Instruction attendue"},
    {1025, u"Expected end of statement", u"Fin d'instruction attendue"},
    {1026, u"Expected integer constant", u"Constante entière attendue"},
    {1027, u"Expected 'While' or 'Until'", u"'While' ou 'Until' attendu"},
    {1029, u"Expected 'With'", u"'With' attendu"},
    {1031, u"Invalid number", u"Nombre incorrect"},
    {1032, u"Invalid character", u"Caractère incorrect"},
    {1033, u"Unterminated string constant", u"Constante chaîne non terminée"},
    {1039, u"Invalid 'exit' statement", u"Instruction 'exit' incorrecte"},
    {1040, u"Invalid 'for' loop control variable", u"Variable de contrôle de boucle 'for' incorrecte"},
    {1041, u"Name redefined", u"Nom redéfini"},
    {1042, u"Must be first statement on the line", u"Doit être la première instruction de la ligne"},
    {1044, u"Cannot use parentheses when calling a Sub",
     u"Impossible d'utiliser des parenthèses lors de l'appel d'une Sub"},
    {1045, u"Expected literal constant", u"Constante littérale attendue"},
    {1046, u"Expected 'In'", u"'In' attendu"},
    {1047, u"Expected 'Class'", u"'Class' attendu"},
    {1050, u"Expected 'Property'", u"'Property' attendu"},
    {1052, u"Cannot have multiple default property/method in a Class",
     u"Impossible d'avoir plusieurs propriétés ou méthodes par défaut dans une classe"},
};

} // namespace

std::u16string description(int number, Language language)
{
    for (const Entry &entry : kEntries)
        if (entry.number == number)
            return language == Language::French ? entry.french : entry.english;
    return language == Language::French ? u"Erreur d'exécution inconnue" : u"Unknown runtime error";
}

std::u16string runtimeSource(Language language)
{
    return language == Language::French ? u"Erreur d'exécution VBScript" : u"VBScript runtime error";
}

std::u16string compileSource(Language language)
{
    return language == Language::French ? u"Erreur de compilation VBScript" : u"VBScript compilation error";
}

} // namespace vbs::errors
