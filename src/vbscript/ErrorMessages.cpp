#include "vbscript/ErrorMessages.h"

namespace vbs::errors {

namespace {

struct Entry
{
    int32_t number;
    const char16_t *english;
    const char16_t *french;
};

constexpr Entry kEntries[] = {
    {3, u"Return without GoSub", u"Return sans GoSub"},
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
    {48, u"Error in loading DLL", u"Erreur de chargement de DLL"},
    {51, u"Internal error", u"Erreur interne"},
    {52, u"Bad file name or number", u"Nom ou numéro de fichier incorrect"},
    {53, u"File not found", u"Fichier introuvable"},
    {54, u"Bad file mode", u"Mode d'accès au fichier incorrect"},
    {55, u"File already open", u"Fichier déjà ouvert"},
    {57, u"Device I/O error", u"Erreur d'entrée/sortie de périphérique"},
    {58, u"File already exists", u"Ce fichier existe déjà"},
    {61, u"Disk full", u"Disque plein"},
    {62, u"Input past end of file", u"L'entrée dépasse la fin de fichier"},
    {67, u"Too many files", u"Trop de fichiers"},
    {68, u"Device unavailable", u"Périphérique non disponible"},
    {70, u"Permission denied", u"Permission refusée"},
    {71, u"Disk not ready", u"Disque non prêt"},
    {74, u"Can't rename with different drive", u"Impossible de renommer avec un lecteur différent"},
    {75, u"Path/File access error", u"Erreur d'accès au chemin/fichier"},
    {76, u"Path not found", u"Chemin d'accès introuvable"},
    {91, u"Object variable not set", u"Variable objet non définie"},
    {92, u"For loop not initialized", u"Boucle For non initialisée"},
    {93, u"Invalid pattern string", u"Chaîne de modèle incorrecte"},
    {94, u"Invalid use of Null", u"Utilisation incorrecte de Null"},
    {322, u"Can't create necessary temporary file", u"Impossible de créer le fichier temporaire nécessaire"},
    {424, u"Object required", u"Objet requis"},
    {429, u"ActiveX component can't create object", u"Un composant ActiveX ne peut pas créer un objet"},
    {430, u"Class doesn't support Automation", u"Cette classe ne gère pas Automation"},
    {432, u"File name or class name not found during Automation operation",
     u"Nom de fichier ou de classe introuvable pendant une opération Automation"},
    {438, u"Object doesn't support this property or method",
     u"Cet objet ne gère pas cette propriété ou cette méthode"},
    {440, u"Automation error", u"Erreur Automation"},
    {445, u"Object doesn't support this action", u"Cet objet ne gère pas cette action"},
    {446, u"Object doesn't support named arguments", u"Cet objet ne gère pas les arguments nommés"},
    {447, u"Object doesn't support current locale setting", u"Cet objet ne gère pas le paramètre régional en cours"},
    {448, u"Named argument not found", u"Argument nommé introuvable"},
    {449, u"Argument not optional", u"Argument non facultatif"},
    {450, u"Wrong number of arguments or invalid property assignment",
     u"Nombre d'arguments incorrect ou affectation de propriété incorrecte"},
    {451, u"Object not a collection", u"Cet objet n'est pas une collection"},
    {453, u"Specified DLL function not found", u"Fonction DLL spécifiée introuvable"},
    {455, u"Code resource lock error", u"Erreur de verrouillage de ressource de code"},
    {457, u"This key is already associated with an element of this collection",
     u"Cette clé est déjà associée à un élément de cette collection"},
    {458, u"Variable uses an Automation type not supported in VBScript",
     u"Cette variable utilise un type Automation non géré par VBScript"},
    {462, u"The remote server machine does not exist or is unavailable",
     u"L'ordinateur serveur distant n'existe pas ou n'est pas disponible"},
    {481, u"Invalid picture", u"Image incorrecte"},
    {500, u"Variable is undefined", u"Variable non définie"},
    {501, u"Illegal assignment", u"Affectation incorrecte"},
    {502, u"Object not safe for scripting", u"Objet non sécurisé pour l'écriture de scripts"},
    {503, u"Object not safe for initializing", u"Objet non sécurisé pour l'initialisation"},
    {504, u"Object not safe for creating", u"Objet non sécurisé pour la création"},
    {505, u"Invalid or unqualified reference", u"Référence incorrecte ou non qualifiée"},
    {506, u"Class not defined", u"Classe non définie"},
    {507, u"An exception occurred", u"Une exception s'est produite"},
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
    {1030, u"Identifier too long", u"Identificateur trop long"},
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
    {1048, u"Must be defined inside a Class", u"Doit être défini dans une classe"},
    {1049, u"Expected Let or Set or Get in property declaration",
     u"Let, Set ou Get attendu dans la déclaration de propriété"},
    {1050, u"Expected 'Property'", u"'Property' attendu"},
    {1051, u"Number of arguments must be consistent across properties specification",
     u"Le nombre d'arguments doit être identique dans toutes les spécifications de propriété"},
    {1052, u"Cannot have multiple default property/method in a Class",
     u"Impossible d'avoir plusieurs propriétés ou méthodes par défaut dans une classe"},
    {1053, u"Class initialize or terminate do not have arguments",
     u"Les procédures d'initialisation et d'arrêt de classe n'ont pas d'arguments"},
    {1054, u"Property Set or Let must have at least one argument",
     u"Property Set ou Let doit avoir au moins un argument"},
    {1055, u"Unexpected 'Next'", u"'Next' inattendu"},
    {1057, u"'Default' specification must also specify 'Public'",
     u"La spécification 'Default' doit aussi spécifier 'Public'"},
    {1058, u"'Default' specification can only be on Property Get",
     u"La spécification 'Default' n'est possible que sur Property Get"},
    {5016, u"Regular Expression object expected", u"Objet expression régulière attendu"},
    {5017, u"Syntax error in regular expression", u"Erreur de syntaxe dans l'expression régulière"},
    {5018, u"Unexpected quantifier", u"Quantificateur inattendu"},
    {5019, u"Expected ']' in regular expression", u"']' attendu dans l'expression régulière"},
    {5020, u"Expected ')' in regular expression", u"')' attendu dans l'expression régulière"},
    {5021, u"Invalid range in character set", u"Plage incorrecte dans le jeu de caractères"},
    {32811, u"Element not found", u"Élément introuvable"},
    // The system's common failures, raised as HRESULTs.
    {int32_t(0x8000FFFF), u"Catastrophic failure", u"Défaillance irrémédiable"},
    {int32_t(0x80004001), u"Not implemented", u"Non implémenté"},
    {int32_t(0x80004002), u"No such interface supported", u"Cette interface n'est pas prise en charge"},
    {int32_t(0x80004004), u"Operation aborted", u"Opération abandonnée"},
    {int32_t(0x80004005), u"Unspecified error", u"Erreur non spécifiée"},
    {int32_t(0x80070002), u"The system cannot find the file specified.", u"Le fichier spécifié est introuvable."},
    {int32_t(0x80070003), u"The system cannot find the path specified.", u"Le chemin d'accès spécifié est introuvable."},
    {int32_t(0x80070005), u"Access is denied.", u"Accès refusé."},
    {int32_t(0x8007000E), u"Not enough storage is available to complete this operation.",
     u"Espace de stockage insuffisant pour traiter cette commande."},
    {int32_t(0x80070057), u"The parameter is incorrect.", u"Paramètre incorrect."},
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
