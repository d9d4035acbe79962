#include "script/AssistantSnippets.h"

#include "common/NumberText.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QString kNewLine = u"\r\n"_s;

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

// What the author typed, as it may stand inside a VBScript string: a double quote twice.
QString doubled(QString typed)
{
    return typed.replace(u'"', u"\"\""_s);
}

QString literal(const QString &typed)
{
    return quoted(doubled(typed));
}

QString actionCommand(const QString &tag, const QString &command)
{
    return u"Action.Tag = "_s + literal(tag) + kNewLine + u"Action.Text = "_s + literal(command);
}

QString loadPicture(const QString &target, const QString &path)
{
    return target + u".Picture = LoadPicture("_s + literal(path) + u')';
}

QString trueFalse(bool flag)
{
    return flag ? u"True"_s : u"False"_s;
}

QString leftOrTop(snippets::Axis axis)
{
    return axis == snippets::Axis::X ? u".Left = "_s : u".Top = "_s;
}

} // namespace

namespace snippets {

QString textBox(const QString &number)
{
    return u"Texte"_s + number;
}

QString button(const QString &number)
{
    return u"Bouton"_s + number;
}

QString convBe(bool flag)
{
    return trueFalse(flag);
}

QString aexeCode(const QString &target)
{
    return u"Set exe_f = CreateObject(\"WScript.Shell\")"_s + kNewLine + u"exe_f.Run(Chr(34) + "_s + quoted(target) +
           u" + Chr(34))"_s;
}

Snippet aexe(const QString &target, const QString &title)
{
    return {title, aexeCode(doubled(target))};
}

Snippet message(const QString &title, const QString &text, const QString &type)
{
    QString shownTitle = title;
    shownTitle.replace(u'"', u'\'');
    QString shownText = text;
    shownText.replace(u"\""_s, u"\"+chr(34)+\""_s);
    shownText.replace(u"[R]"_s, u"\"+chr(10)+chr(13)+\""_s, Qt::CaseInsensitive);
    return {u"Boite de dialogue"_s, u"MsgBox "_s + quoted(shownText) + u", vb"_s + type + u", "_s + quoted(shownTitle)};
}

Snippet subMenu(const QString &name)
{
    return {u"Lancer un sous menu"_s, u"Set exe_f = CreateObject(\"WScript.Shell\")"_s + kNewLine + u"exe_f.Run("_s +
                                          literal(u"[CHEMIN]"_s + name + u".exe"_s) + u')'};
}

Snippet webPage(const QString &address)
{
    return aexe(address, u"Ouvrir une page web"_s);
}

Snippet htmlPage(const QString &path)
{
    return {u"Ouvrir une page HTML"_s,
            aexeCode(u"explorer \" + chr(34) + \""_s + doubled(path) + u"\" + chr(34) + \""_s)};
}

Snippet email(const QString &address, const QString &copies, const QString &subject, const QString &body)
{
    QString target = u"mailto:"_s + address + u"?cc="_s + copies + u"&subject="_s + subject + u"&body="_s + body;
    target.replace(u"\""_s, u"%22"_s);
    target.replace(u" "_s, u"%20"_s);
    return aexe(target, u"Envoyer un email"_s);
}

Snippet textFile(const QString &path, const QString &box)
{
    return {u"Ouvrir un fichier texte"_s, QStringList{u"Set fso = CreateObject(\"Scripting.FileSystemObject\")"_s,
                                                      u"Set fich = fso.opentextfile("_s + literal(path) + u", 1)"_s,
                                                      box + u".Text=fich.ReadAll"_s, u"fich.Close"_s}
                                              .join(kNewLine)};
}

Snippet document(const QString &path)
{
    return aexe(path, u"Ouvrir un document"_s);
}

Snippet folder(const QString &path)
{
    return aexe(u"explorer "_s + path, u"Ouvrir un répertoire"_s);
}

Snippet program(const QString &commandLine)
{
    return aexe(commandLine, u"Exécuter un fichier"_s);
}

QString cdActionWord(CdAction action)
{
    return action == CdAction::Open ? u"Ouvrir"_s : u"Fermer"_s;
}

Snippet cdTray(CdAction action, const QString &driveLetter)
{
    const QString word = cdActionWord(action);
    return {word + u" le lecteur de CD"_s, actionCommand(driveLetter.toUpper(), word + u"CD"_s)};
}

Snippet playMedia(Media media, const QString &path)
{
    switch (media) {
    case Media::Sound:
        return {u"Jouer un son"_s, actionCommand(path, u"JouerSon"_s)};
    case Media::WavSound:
        return {u"Jouer un son WAV"_s, actionCommand(path, u"JouerSonWAV"_s)};
    case Media::Video:
        break;
    }
    return {u"Jouer une vidéo"_s, actionCommand(path, u"JouerVideo"_s)};
}

Snippet windowState(int state, const QString &title)
{
    return {title, u"Fenetre.WindowState = "_s + QString::number(state)};
}

Snippet closeMenu()
{
    return {u"Fermer"_s, u"Action.Text = "_s + quoted(u"Fermer"_s)};
}

Snippet windowCaption(const QString &caption)
{
    return {u"Changer le titre"_s, u"Fenetre.Caption = "_s + literal(caption)};
}

Snippet windowPosition(Axis axis, const QString &number)
{
    return {u"Changer la position"_s, u"Fenetre"_s + leftOrTop(axis) + number};
}

Snippet colour(const QString &title, const QString &target, int colour)
{
    return {title, target + u" = "_s + QString::number(colour)};
}

Snippet visible(const QString &object, bool shown)
{
    return {(shown ? u"Visible "_s : u"Invisible "_s) + object.toLower(), object + u".Visible = "_s + trueFalse(shown)};
}

Snippet borderWidth(const QString &number)
{
    return {u"Epaisseur de la bordure"_s, u"Bordure.BorderWidth = "_s + number};
}

Snippet borderShape(int shape)
{
    return {u"Changer la forme"_s, u"Bordure.Shape = "_s + QString::number(shape)};
}

Snippet backgroundPicture(const QString &path)
{
    return {u"Image de fond"_s, loadPicture(u"ImageFond"_s, path)};
}

Snippet backgroundStretch(bool stretch)
{
    return {stretch ? u"Etirer image fond"_s : u"Pas étirer image fond"_s,
            u"ImageFond.Stretch = "_s + trueFalse(stretch)};
}

Snippet timerEnabled(bool enabled)
{
    return {enabled ? u"Activer minuteur"_s : u"Désactiver minuteur"_s, u"Minuteur.Enabled = "_s + trueFalse(enabled)};
}

Snippet timerInterval(const QString &number)
{
    return {u"Intervalle minuteur"_s, u"Minuteur.Interval = "_s + number};
}

Snippet textAlignment(const QString &number, int alignment)
{
    return {u"Alignement"_s, textBox(number) + u".Alignment = "_s + QString::number(alignment)};
}

Snippet textFont(const QString &number, const FontChoice &font)
{
    const QString t = textBox(number);
    return {u"Police"_s,
            QStringList{t + u".FontBold = "_s + convBe(font.bold), t + u".FontItalic = "_s + convBe(font.italic),
                        t + u".FontName = "_s + literal(font.name), t + u".FontSize = "_s + numtext::format(font.size),
                        t + u".FontStrikethru = "_s + convBe(font.strikethrough),
                        t + u".FontUnderline = "_s + convBe(font.underline)}
                .join(kNewLine)};
}

Snippet textLocked(const QString &number, bool locked)
{
    return {u"Verrouiller boîte de texte"_s, textBox(number) + u".Locked = "_s + trueFalse(locked)};
}

Snippet textSize(const QString &number, Dimension dimension, const QString &value)
{
    return {u"Taille "_s + textBox(number),
            textBox(number) + (dimension == Dimension::Width ? u".Width = "_s : u".Height = "_s) + value};
}

Snippet textPosition(const QString &number, Axis axis, const QString &value)
{
    return {u"Position "_s + textBox(number), textBox(number) + leftOrTop(axis) + value};
}

Snippet textScrollBar(const QString &number, bool shown)
{
    return {(shown ? u"Affiche barre "_s : u"Masque barre "_s) + textBox(number),
            actionCommand(number, shown ? u"AfficheBarre"_s : u"MasqueBarre"_s)};
}

Snippet textContent(const QString &number, const QString &text)
{
    QString converted = doubled(text);
    converted.replace(u"[R]"_s, u"\" + chr(13) + chr(10) + \""_s, Qt::CaseInsensitive);
    return {u"Changer texte de "_s + textBox(number), textBox(number) + u".Text = "_s + quoted(converted)};
}

Snippet buttonEnabled(const QString &number, bool enabled)
{
    return {enabled ? u"Activer bouton"_s : u"Désactiver bouton"_s,
            button(number) + u".Enabled = "_s + trueFalse(enabled)};
}

Snippet buttonPosition(const QString &number, Axis axis, const QString &value)
{
    return {u"Position "_s + button(number), button(number) + leftOrTop(axis) + value};
}

Snippet buttonPicture(const QString &number, const QString &path)
{
    return {u"Image "_s + button(number), loadPicture(button(number), path)};
}

} // namespace snippets
