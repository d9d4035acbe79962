#include "app/MainMenus.h"

#include "app/core/Options.h"

#include <QAction>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

QMenu *menu(QWidget *owner, const QString &name, const QString &caption)
{
    auto *m = new QMenu(caption, owner);
    m->setObjectName(name);
    return m;
}

QAction *entry(QMenu *menu, const QString &name, const QString &caption, bool checkable = false)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
}

} // namespace

MainMenus::MainMenus(QWidget *owner)
{
    file = menu(owner, u"fichier_menu"_s, u"&Fichier"_s);
    newMenu = menu(owner, u"nouv_fich"_s, u"&Nouveau"_s);
    file->addMenu(newMenu);
    newWizard = entry(newMenu, u"nouv_assistant"_s, u"&Assistant création"_s);
    newBlank = entry(newMenu, u"nouv_vierge"_s, u"Projet &vierge"_s);
    newBlank->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    undo = entry(file, u"annuler_menu"_s, u"Annuler"_s);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo = entry(file, u"retablir_menu"_s, u"Rétablir"_s);
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    file->addSeparator();
    open = entry(file, u"ouvrir_fich"_s, u"&Ouvrir"_s);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    save = entry(file, u"enreg_fich"_s, u"&Enregistrer"_s);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAs = entry(file, u"enreg_sous_fich"_s, u"Enregistrer &Sous"_s);
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    print = menu(owner, u"imprimer_menu"_s, u"Imprimer"_s);
    file->addMenu(print);
    printBmp = entry(print, u"imprimer_bmp"_s, u"Dans un fichier BMP"_s);
    printClipboard = entry(print, u"imprimer_presse_papier"_s, u"Dans le presse papier"_s);
    printPaper = entry(print, u"imprimer_papier"_s, u"Sur papier"_s);
    printPaper->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    properties = entry(file, u"proprietes_fich"_s, u"Propriétés"_s);
    recentStart = file->addSeparator();
    recentStart->setObjectName(u"sep_recents_debut"_s);
    recentEnd = file->addSeparator();
    recentEnd->setObjectName(u"sep_recents_fin"_s);
    quit = entry(file, u"quitter_menu"_s, u"&Quitter"_s);

    source = menu(owner, u"source_menu"_s, u"&Source"_s);
    editSource = entry(source, u"modif_source"_s, u"&Modidifier la source"_s);
    refresh = entry(source, u"actualiser_projet"_s, u"&Actualiser le projet"_s);

    create = menu(owner, u"creer_menu"_s, u"&Créer"_s);
    test = entry(create, u"tester_projet"_s, u"&Tester le projet"_s);
    test->setShortcut(QKeySequence(Qt::Key_F5));
    compile = menu(owner, u"compiler_menu"_s, u"&Compiler/Créer"_s);
    create->addMenu(compile);
    compileAutorun = entry(compile, u"compiler_autorun"_s, u"En autorun (pour vos CDs)"_s);
    compileExecutable = entry(compile, u"compiler_exe"_s, u"En exécutable simple"_s);
    compileScreenSaver = entry(compile, u"compiler_ecran_veille"_s, u"En ecran de veille"_s);
    compileHtml = entry(compile, u"compiler_html"_s, u"En page web (html)"_s);
    compileIso = entry(compile, u"compiler_iso"_s, u"En image ISO"_s);

    misc = menu(owner, u"divers_menu"_s, u"&Divers"_s);

    options = menu(owner, u"options_menu"_s, u"&Options"_s);
    precisePointer = entry(options, u"pointeur_precis"_s, u"&Pointeur précis"_s, true);
    mousePosition = entry(options, u"position_souris"_s, u"&Position de la souris"_s, true);
    cornerMarkers = entry(options, u"points_objets"_s, u"Afficher les points &délimitant les objets"_s, true);
    wizardAtStart = entry(options, u"assistant_demarrage"_s,
                          u"Afficher l'assistant &création au démarrage de ZEP"_s, true);
    requireMultimediaFile = entry(options, u"obliger_fichier"_s,
                                  u"Obliger à configurer un fichier pour chaque bouton multimédia"_s, true);
    associate = entry(options, u"associer_fich"_s, u"Associer les fichiers .zep à &ZEP"_s);
    language = menu(owner, u"langue_menu"_s, u"Langue/Language"_s);
    options->addMenu(language);
    french = entry(language, u"langue_0"_s, u"Français"_s);
    appearances = entry(options, u"apparences_menu"_s, u"&Apparences..."_s);
    // The states of a first run, before any options file exists.
    const Options firstRun;
    precisePointer->setChecked(firstRun.precisePointer);
    mousePosition->setChecked(firstRun.mousePosition);
    cornerMarkers->setChecked(firstRun.cornerMarkers);
    wizardAtStart->setChecked(firstRun.wizardAtStart);
    requireMultimediaFile->setChecked(firstRun.requireMultimediaFile);

    help = menu(owner, u"aide_menu"_s, u"&?"_s);
    manual = entry(help, u"manuel_menu"_s, u"&Manuel"_s);
    faq = entry(help, u"faq_menu"_s, u"&F.A.Q."_s);
    examples = entry(help, u"exemples_menu"_s, u"&Télécharger des exemples"_s);
    tips = entry(help, u"astuces_menu"_s, u"Tru&cs et astuces"_s);
    support = entry(help, u"assistance_menu"_s, u"A&ssistance"_s);
    reportBug = entry(help, u"bug_menu"_s, u"Signaler un bug"_s);
    latestVersion = entry(help, u"version_menu"_s, u"Ai-je la dernière &version ?"_s);
    about = entry(help, u"apropos_menu"_s, u"A &propos..."_s);
}
