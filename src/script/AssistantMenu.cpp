#include "script/AssistantMenu.h"

using namespace Qt::StringLiterals;

namespace {

using A = AssistantAction;
using Kind = AssistantMenuItem::Kind;

AssistantMenuItem entry(const QString &caption, AssistantAction action)
{
    return {Kind::Entry, caption, action, {}};
}

AssistantMenuItem subMenu(const QString &caption, QList<AssistantMenuItem> children)
{
    return {Kind::SubMenu, caption, A::Cancel, std::move(children)};
}

AssistantMenuItem separator()
{
    return {};
}

AssistantMenuItem yesNo(const QString &caption, AssistantAction yes, AssistantAction no)
{
    return subMenu(caption, {entry(u"Oui"_s, yes), entry(u"Non"_s, no)});
}

AssistantMenuItem position(AssistantAction x, AssistantAction y)
{
    return subMenu(u"Changer la position"_s, {entry(u"X"_s, x), entry(u"Y"_s, y)});
}

QList<AssistantMenuItem> buildItems()
{
    return {
        entry(u"Afficher un message"_s, A::ShowMessage),
        entry(u"Lancer un sous menu"_s, A::LaunchSubMenu),
        subMenu(u"Internet"_s,
                {entry(u"Ouvrir une page web"_s, A::OpenWebPage), entry(u"Ouvrir une page HTML"_s, A::OpenHtmlPage),
                 entry(u"Envoyer un email"_s, A::SendEmail)}),
        subMenu(u"Ouvrir/Exécuter"_s,
                {entry(u"Un fichier texte"_s, A::OpenTextFile), entry(u"Un document"_s, A::OpenDocument),
                 entry(u"Un répertoire"_s, A::OpenFolder), entry(u"Un programme"_s, A::RunProgram)}),
        subMenu(u"Lecteur CD"_s, {entry(u"Ouvrir"_s, A::OpenCdTray), entry(u"Fermer"_s, A::CloseCdTray)}),
        subMenu(u"Multimédia"_s, {entry(u"Jouer un son"_s, A::PlaySound), entry(u"Jouer un son WAV"_s, A::PlayWavSound),
                                  entry(u"Jouer une vidéo"_s, A::PlayVideo)}),
        separator(),
        subMenu(u"Menu/Fenêtre"_s,
                {entry(u"Maximiser"_s, A::WindowMaximise), entry(u"Minimiser"_s, A::WindowMinimise),
                 entry(u"Taille normale"_s, A::WindowNormalSize), entry(u"Fermer"_s, A::WindowClose),
                 entry(u"Changer le titre"_s, A::WindowTitle), entry(u"Changer le couleur"_s, A::WindowColour),
                 position(A::WindowX, A::WindowY), entry(u"Changer le curseur"_s, A::WindowCursor),
                 yesNo(u"Visible"_s, A::WindowVisible, A::WindowHidden)}),
        subMenu(
            u"Bordure"_s,
            {entry(u"Changer l'épaisseur"_s, A::BorderWidth), entry(u"Changer la couleur"_s, A::BorderColour),
             subMenu(u"Changer la forme"_s, {entry(u"Rectangle"_s, A::BorderRectangle), entry(u"Oval"_s, A::BorderOval),
                                             entry(u"Rectangle arrondi"_s, A::BorderRoundedRectangle)}),
             yesNo(u"Visible"_s, A::BorderVisible, A::BorderHidden)}),
        subMenu(u"Image de fond"_s, {entry(u"Changer"_s, A::BackgroundPicture),
                                     yesNo(u"Etirer"_s, A::BackgroundStretch, A::BackgroundNoStretch)}),
        subMenu(u"Ecran"_s, {entry(u"Changer le curseur"_s, A::ScreenCursor)}),
        subMenu(u"Minuteur"_s, {yesNo(u"Activer"_s, A::TimerEnable, A::TimerDisable),
                                entry(u"Changer l'ntervalle"_s, A::TimerInterval)}),
        subMenu(
            u"Boîte de texte"_s,
            {subMenu(u"Alignement"_s, {entry(u"A gauche"_s, A::TextAlignLeft), entry(u"A droite"_s, A::TextAlignRight),
                                       entry(u"Centré"_s, A::TextAlignCentre)}),
             entry(u"Changer la police"_s, A::TextFont),
             subMenu(u"Changer la couleur"_s,
                     {entry(u"Du texte"_s, A::TextForeColour), entry(u"De fond"_s, A::TextBackColour)}),
             entry(u"Changer le curseur"_s, A::TextCursor), yesNo(u"Verrouiller"_s, A::TextLock, A::TextUnlock),
             yesNo(u"Visible"_s, A::TextVisible, A::TextHidden),
             subMenu(u"Changer la taille"_s, {entry(u"Largeur"_s, A::TextWidth), entry(u"Hauteur"_s, A::TextHeight)}),
             position(A::TextX, A::TextY), yesNo(u"Barre de défilement"_s, A::TextScrollBarOn, A::TextScrollBarOff),
             entry(u"Changer le texte"_s, A::TextChangeText)}),
        subMenu(u"Bouton"_s,
                {yesNo(u"Activer"_s, A::ButtonEnable, A::ButtonDisable), position(A::ButtonX, A::ButtonY),
                 entry(u"Changer le curseur"_s, A::ButtonCursor), entry(u"Changer l'image"_s, A::ButtonPicture),
                 yesNo(u"Visible"_s, A::ButtonVisible, A::ButtonHidden)}),
        separator(),
        entry(u"Annuler"_s, A::Cancel),
    };
}

} // namespace

namespace assistantmenu {

QString title()
{
    return u"Assistant VBS"_s;
}

const QList<AssistantMenuItem> &items()
{
    static const QList<AssistantMenuItem> list = buildItems();
    return list;
}

} // namespace assistantmenu
