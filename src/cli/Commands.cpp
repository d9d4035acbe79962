#include "cli/Commands.h"

#include "cli/CompileCommands.h"
#include "cli/DiscCommands.h"
#include "cli/ExportCommands.h"
#include "cli/FormatCommand.h"
#include "cli/ProjectCommands.h"
#include "cli/VbsCommand.h"

using namespace Qt::StringLiterals;

const QList<Command> &commands()
{
    static const QList<Command> list{
        {{u"check"_s, {u"PROJET.zep"_s}, {u"--strict"_s}},
         u"Lit le projet : une ligne par erreur de lecture (fichier:ligne) et par fichier manquant, puis une "
         u"ligne de bilan."_s,
         runCheckCommand},
        {{u"save"_s, {u"SOURCE.zep"_s, u"CIBLE.zep"_s}, {}},
         u"Lit SOURCE.zep puis l'écrit dans CIBLE.zep comme le fait le créateur ; les chemins des fichiers sont "
         u"repris par rapport au dossier de CIBLE.zep."_s,
         runSaveCommand},
        {{u"compile"_s,
          {u"PROJET.zep"_s, u"DOSSIER"_s},
          {u"--sub NOM"_s, u"--light"_s, u"--name NOM"_s, u"--author AUTEUR"_s, u"--force"_s, u"--linux"_s,
           u"--quiet"_s}},
         u"Compile le menu dans DOSSIER, prêt à graver : Autorun.inf et le dossier zep. DOSSIER est créé s'il "
         u"manque, et retiré si la compilation échoue."_s,
         runCompileCommand},
        {{u"menudata"_s, {u"PROJET.zep"_s}, {}},
         u"Affiche les lignes des données du menu, une par ligne."_s,
         runMenuDataCommand},
        {{u"format"_s, {u"FICHIER"_s}, {}}, u"Met en forme un script VBS et affiche le résultat."_s, runFormatCommand},
        {{u"vbs"_s, {u"FICHIER.vbs"_s}, {}},
         u"Exécute un script ; MsgBox et WScript.Echo affichent leur texte sur une ligne."_s,
         runVbsCommand},
        {{u"html"_s, {u"PROJET.zep"_s, u"DOSSIER"_s}, {}},
         u"Écrit la page HTML de lancement du menu, index.htm, dans DOSSIER."_s,
         runHtmlCommand},
        {{u"image"_s, {u"PROJET.zep"_s, u"IMAGE.bmp|IMAGE.png"_s}, {}},
         u"Enregistre l'image du menu en BMP ou en PNG."_s,
         runImageCommand},
        {{u"exe"_s,
          {u"PROJET.zep"_s, u"DOSSIER"_s, u"NOM"_s},
          {u"--light"_s, u"--name NOM"_s, u"--author AUTEUR"_s, u"--force"_s, u"--quiet"_s}},
         u"Fait du menu un seul programme, DOSSIER/zep/NOM.exe, sans Autorun.inf. DOSSIER doit exister."_s,
         runExeCommand},
        {{u"iso"_s, {u"PROJET.zep"_s, u"IMAGE.iso"_s}, {u"--light"_s, u"--force"_s, u"--quiet"_s}},
         u"Écrit le disque compilé dans une image ISO prête à graver."_s,
         runIsoCommand},
    };
    return list;
}

namespace {

const QList<std::pair<QString, QString>> &options()
{
    static const QList<std::pair<QString, QString>> list{
        {u"--strict"_s, u"check : un bouton multimédia sans fichier est aussi un problème, comme avec l'option du "
                        u"créateur « Obliger à configurer un fichier pour chaque bouton multimédia »."_s},
        {u"--sub NOM"_s, u"compile : un sous menu NOM.exe dans le dossier zep d'un menu déjà compilé."_s},
        {u"--light"_s, u"compile, exe, iso : sans les fichiers 'RUNTIME'."_s},
        {u"--name NOM"_s, u"compile, exe : le nom du projet écrit dans le menu (par défaut, le nom du fichier sans "
                          u".zep)."_s},
        {u"--author AUTEUR"_s, u"compile, exe : l'auteur écrit dans le menu (par défaut, celui du projet)."_s},
        {u"--force"_s, u"compile, exe : remplace le dossier zep d'un menu déjà compilé ; iso : remplace l'image. "
                       u"Sans elle, rien n'est remplacé."_s},
        {u"--linux"_s, u"compile : met sur le disque le lecteur Linux au lieu du lecteur Windows."_s},
        {u"--quiet"_s, u"compile, exe, iso : n'affiche ni les étapes ni le bilan ; seules les erreurs restent."_s},
        {u"--help"_s, u"affiche cette aide ; après une commande, l'usage de cette commande."_s},
        {u"--version"_s, u"affiche la version."_s},
    };
    return list;
}

const QList<std::pair<QString, QString>> &exitCodes()
{
    static const QList<std::pair<QString, QString>> list{
        {u"0"_s, u"succès ; pour check, aucun problème."_s},
        {u"1"_s, u"échec : projet illisible ou qui n'est pas un projet, fichier manquant, menu déjà compilé sans "
                 u"--force, compilation ou écriture impossible."_s},
        {u"2"_s, u"mauvaise utilisation : commande ou option inconnue, argument manquant ou en trop."_s},
    };
    return list;
}

// words on lines of at most 79 columns: the first starts with lead, the others with indent.
QStringList wrap(const QStringList &words, const QString &lead, const QString &indent)
{
    QStringList lines;
    QString line = lead;
    bool fresh = true; // nothing yet after the lead or the indent
    for (const QString &word : words) {
        if (!fresh && line.size() + 1 + word.size() > 79) {
            lines << line;
            line = indent;
            fresh = true;
        }
        line += (fresh ? QString() : u" "_s) + word;
        fresh = false;
    }
    return lines << line;
}

// The words of a French text; a sign that a space sets apart (« ; ») stays with its word.
QStringList words(const QString &text)
{
    QStringList words;
    bool glueNext = false;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!words.isEmpty() && (glueNext || (word.size() == 1 && u";:!?»"_s.contains(word))))
            words.last() += u' ' + word;
        else
            words << word;
        glueNext = word == u"«"_s;
    }
    return words;
}

} // namespace

QString usageLine()
{
    return u"usage: zepc COMMANDE ARGUMENTS [OPTIONS]"_s;
}

QString helpText()
{
    QStringList lines{usageLine(), u"       zepc --help | --version"_s,
                      QString(),   u"Vérifie, compile et exporte un projet de menu ZEP (.zep) sans fenêtre."_s,
                      QString(),   u"Commandes :"_s};
    for (const Command &command : commands()) {
        lines += wrap(command.syntax.parts(), u"  "_s, u"        "_s);
        lines += wrap(words(command.description), u"      "_s, u"      "_s);
    }
    lines << QString() << u"Options :"_s;
    for (const auto &[option, text] : options())
        lines += wrap(words(text), u"  "_s + option.leftJustified(17), QString(19, u' '));
    lines << QString();
    lines += wrap(words(u"Les chemins sont pris depuis le dossier courant. Sur un terminal, compile, exe et iso "
                        u"montrent leurs étapes et leur progression."_s),
                  QString(), QString());
    lines << QString() << u"Codes de sortie :"_s;
    for (const auto &[code, text] : exitCodes())
        lines += wrap(words(text), u"  "_s + code + u"  "_s, u"     "_s);
    return lines.join(u'\n');
}
