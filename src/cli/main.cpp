#include "cli/CommandLine.h"
#include "cli/CompileCommands.h"
#include "cli/ConsoleOutput.h"
#include "cli/DiscCommands.h"
#include "cli/ExportCommands.h"
#include "cli/FormatCommand.h"
#include "cli/ProjectCommands.h"
#include "cli/VbsCommand.h"
#include "common/ProgramVersion.h"

#include <QCoreApplication>
#include <QList>

using namespace Qt::StringLiterals;

namespace {

struct Command
{
    CommandSyntax syntax;
    QString description;
    int (*run)(const CommandLine &);
};

int runVbs(const CommandLine &line)
{
    return runVbsCommand(line.arguments());
}

const QList<Command> &commands()
{
    static const QList<Command> list{
        {{u"check"_s, {u"PROJECT.zep"_s}, {u"--strict"_s}},
         u"Lit le projet. Une ligne par erreur de lecture (fichier:ligne), par fichier manquant et par bouton "
         u"sur lequel la compilation échouerait, puis une ligne de bilan."_s,
         runCheckCommand},
        {{u"save"_s, {u"IN.zep"_s, u"OUT.zep"_s}, {}},
         u"Lit IN.zep puis l'écrit dans OUT.zep comme le fait le créateur ; les chemins des fichiers sont "
         u"repris par rapport au dossier de OUT.zep."_s,
         runSaveCommand},
        {{u"compile"_s,
          {u"PROJECT.zep"_s, u"FOLDER"_s},
          {u"--sub NAME"_s, u"--light"_s, u"--name N"_s, u"--author A"_s, u"--force"_s, u"--linux"_s, u"--quiet"_s}},
         u"Compile le menu dans FOLDER, prêt à graver : Autorun.inf et le dossier zep. FOLDER est créé s'il "
         u"manque, et retiré si la compilation échoue."_s,
         runCompileCommand},
        {{u"menudata"_s, {u"PROJECT.zep"_s}, {}},
         u"Affiche les lignes des données du menu, une par ligne."_s,
         runMenuDataCommand},
        {{u"format"_s, {u"FILE"_s}, {}},
         u"Met en forme un script VBS et affiche le résultat."_s,
         runFormatCommand},
        {{u"vbs"_s, {u"FILE.vbs"_s}, {}},
         u"Exécute un script ; MsgBox et WScript.Echo affichent leur texte sur une ligne."_s,
         runVbs},
        {{u"html"_s, {u"PROJECT.zep"_s, u"FOLDER"_s}, {}},
         u"Écrit la page HTML de lancement du menu, index.htm, dans FOLDER."_s,
         runHtmlCommand},
        {{u"image"_s, {u"PROJECT.zep"_s, u"OUT.bmp|OUT.png"_s}, {}},
         u"Enregistre l'image du menu en BMP ou en PNG."_s,
         runImageCommand},
        {{u"exe"_s, {u"PROJECT.zep"_s, u"FOLDER"_s, u"NAME"_s},
          {u"--light"_s, u"--name N"_s, u"--author A"_s, u"--force"_s, u"--quiet"_s}},
         u"Fait du menu un seul programme, FOLDER/zep/NAME.exe, sans Autorun.inf. FOLDER doit exister."_s,
         runExeCommand},
        {{u"iso"_s, {u"PROJECT.zep"_s, u"OUT.iso"_s}, {u"--light"_s, u"--force"_s, u"--quiet"_s}},
         u"Écrit le disque compilé dans une image ISO prête à graver."_s,
         runIsoCommand},
    };
    return list;
}

const QList<std::pair<QString, QString>> &options()
{
    static const QList<std::pair<QString, QString>> list{
        {u"--strict"_s, u"check : un bouton multimédia sans fichier est aussi un problème, comme avec l'option du "
                        u"créateur « Obliger à configurer un fichier pour chaque bouton multimédia »."_s},
        {u"--sub NAME"_s, u"compile : un sous menu NAME.exe dans le dossier zep d'un menu déjà compilé."_s},
        {u"--light"_s, u"compile, exe, iso : sans les fichiers 'RUNTIME'."_s},
        {u"--name N"_s, u"compile, exe : le nom du projet écrit dans le menu (par défaut, le nom du fichier sans "
                        u".zep)."_s},
        {u"--author A"_s, u"compile, exe : l'auteur écrit dans le menu (par défaut, celui du projet)."_s},
        {u"--force"_s, u"compile, exe : remplace le dossier zep d'un menu déjà compilé ; iso : remplace l'image. "
                       u"Sans elle, rien n'est remplacé."_s},
        {u"--linux"_s, u"compile : met sur le disque le lecteur Linux au lieu du lecteur Windows."_s},
        {u"--quiet"_s, u"compile, exe, iso : n'affiche ni les étapes ni le bilan ; seules les erreurs restent."_s},
        {u"--help"_s, u"affiche cette aide."_s},
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

QString helpText()
{
    QStringList lines{u"usage: zepc COMMANDE ARGUMENTS [OPTIONS]"_s, u"       zepc --help | --version"_s, QString(),
                      u"Vérifie, compile et exporte un projet de menu ZEP (.zep) sans fenêtre."_s, QString(),
                      u"Commandes :"_s};
    for (const Command &command : commands()) {
        lines << u"  "_s + command.syntax.synopsis();
        lines << u"      "_s + command.description;
    }
    lines << QString() << u"Options :"_s;
    for (const auto &[option, text] : options())
        lines << u"  "_s + option.leftJustified(12) + u' ' + text;
    lines << QString() << u"Les chemins sont pris depuis le dossier courant. Sur un terminal, compile, exe et iso "
                          u"montrent leurs étapes et leur progression."_s;
    lines << QString() << u"Codes de sortie :"_s;
    for (const auto &[code, text] : exitCodes())
        lines << u"  "_s + code + u"  "_s + text;
    return lines.join(u'\n');
}

int usageError(const QString &fault)
{
    if (!fault.isEmpty())
        console::error(u"zepc: "_s + fault);
    console::error(u"usage: zepc COMMANDE ARGUMENTS [OPTIONS]"_s);
    console::error(u"Essayez « zepc --help »."_s);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    const auto app = createApplication(argc, argv);
    QStringList arguments = app->arguments().mid(1);
    if (arguments.isEmpty())
        return usageError(QString());
    const QString name = arguments.takeFirst();
    if (name == u"--help"_s || name == u"-h"_s) {
        console::out(helpText());
        return 0;
    }
    if (name == u"--version"_s) {
        console::out(u"zepc "_s + version::full());
        return 0;
    }
    for (const Command &command : commands()) {
        if (command.syntax.name != name)
            continue;
        const std::optional<CommandLine> line = CommandLine::parse(command.syntax, arguments);
        return line ? command.run(*line) : 2;
    }
    return usageError((name.startsWith(u'-') ? u"option inconnue : "_s : u"commande inconnue : "_s) + name);
}
