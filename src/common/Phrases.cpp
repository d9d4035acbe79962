#include "common/Phrases.h"

using namespace Qt::StringLiterals;

namespace {

bool s_active = false;

} // namespace

const QList<Phrases::Entry> &Phrases::table()
{
    static const QList<Entry> entries{
        {0, u"Erreur - trop de boutons :-)"_s},
        {1, u"Nombre maximum de bouton atteind !!!"_s},
        {2, u"Tapez ici le contenu du "_s},
        {3, u"Abandonner la forme en cours ?"_s},
        {4, u"créateur de menus"_s},
        {5, u"Veuillez choisir le dossier dans lequel vous avez installé le manuel de ZEP :"_s},
        {6, u"Répertoire incorrect !"_s},
        {7, u"Erreur"_s},
        {8, u"Le projet en cours n'est pas enregistré !"_s},
        {9, u"Merci de décrire le bug ci-dessous :"_s},
        {14, u"Fichier ZEP"_s},
        {16, u"Veuillez fermer l'assistant création avant de quitter."_s},
        {19, u"Erreur pendant l'enregistrement ! ("_s},
        {24, u"Icône par défaut"_s},
        {25, u"Voulez-vous enregistrer le fichier en cours ?"_s},
        {26, u"Voulez-vous enregistrer les modifications apportées au fichier"_s},
        {27, u"Enregistrement"_s},
        {28, u"Le fichier '"_s},
        {29, u"' est introuvable !"_s},
        {30, u"Erreur lors du test !!!"_s},
        {31, u"exécutable"_s},
        {32, u"Ou sera placé l'"_s},
        {33, u"Nom du projet ?"_s},
        {34, u"Auteur du projet ?"_s},
        {35, u"Nom de l'"_s},
        {36, u"Copier les fichiers 'RUNTIME' ?"_s},
        {37, u"L'"_s},
        {38, u" a été créé ! (Plusieurs fichiers ont été placé dans le sous répertoire ZEP, mais seul le ."_s},
        {39, u"Feuille de travail - "_s},
        {40, u"(sera affiché en plein écran)"_s},
        {41, u"Supprimer le bouton "_s},
        {42, u"Suppression"_s},
        {43, u"Langue modifiée, veuillez redémarrer ZEP."_s},
        {44, u" est obligatoire.)"_s},
        {45, u"Impossible d'initialiser les plugins. Raison : "_s},
        {46, u"Impossible de démarrer le plugin !"_s},
        {47, u"Erreur des plugins"_s},
        {48, u"Information"_s},
        {49, u"Aucun fichier récent"_s},
        {50, u"écran de veille"_s},
        {51, u"Quitter..."_s},
        {52, u"Créateur de menus de CD - version "_s},
        {53, u"Conception et développement"_s},
        {54, u"L'équipe ZEP"_s},
        {55, u"Moteur VBScript"_s},
        {56, u"Merci à tous ceux qui"_s},
        {57, u"créent leurs menus avec ZEP !"_s},
        {58, u"Bienvenue dans l'assistant création de projet ZEP !"_s},
        {59, u"Au démarrage..."_s},
        {60, u"Création des boutons..."_s},
        {61, u"A quoi servent ces boutons ?"_s},
        {62, u"La fin approche..."_s},
        {63, u"Code VBS :"_s},
        {64, u"MAJ + clique pour déplacer"_s},
        {65, u" - Clique droit pour redimensionner"_s},
        {66, u"Procédures"_s},
        {67, u"Code VBS sur bouton "_s},
        {68, u"Actions au survol du bouton "_s},
        {69, u"Code VBS à exécuter au démarrage du projet"_s},
        {70, u"Code VBS du minuteur"_s},
        {71, u"Code VBS global"_s},
        {72, u"Actions au survol de la feuille"_s},
        {73, u"Écriture de l'image ISO..."_s},
        {74, u"Par défaut"_s},
    };
    return entries;
}

QString Phrases::french(int number)
{
    for (const Entry &entry : table()) {
        if (entry.number == number)
            return entry.french;
    }
    return {};
}

QString Phrases::text(int number)
{
    if (!s_active)
        return french(number);
    const QStringList &pack = list();
    return number >= 0 && number < pack.size() ? pack[number] : QString();
}

bool Phrases::packActive()
{
    return s_active;
}

void Phrases::setPackActive(bool on)
{
    s_active = on;
    list().clear();
}

QStringList &Phrases::list()
{
    static QStringList entries;
    return entries;
}
