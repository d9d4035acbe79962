#pragma once

#include "prompt/PromptTypes.h"
#include "script/Snippet.h"

#include <QString>

// The code each assistant entry inserts, from the answers already given. Object
// numbers, paths and numbers are taken as the author typed them.
namespace snippets {

enum class Axis { X, Y };
enum class CdAction { Open, Close };
enum class Media { Sound, WavSound, Video };
enum class Dimension { Width, Height };

// "Texte" + n, "Bouton" + n
QString textBox(const QString &number);
QString button(const QString &number);

QString convBe(bool flag);

// Runs a command line through WScript.Shell; target stands inside a VBScript string as
// it is (aexe doubles the double quotes of a typed one).
QString aexeCode(const QString &target);
Snippet aexe(const QString &target, const QString &title);

Snippet message(const QString &title, const QString &text, const QString &type);
Snippet subMenu(const QString &name);
Snippet webPage(const QString &address);
Snippet htmlPage(const QString &path);
Snippet email(const QString &address, const QString &copies, const QString &subject, const QString &body);
Snippet textFile(const QString &path, const QString &box);
Snippet document(const QString &path);
Snippet folder(const QString &path);
Snippet program(const QString &commandLine);

// "Ouvrir" / "Fermer"
QString cdActionWord(CdAction action);
Snippet cdTray(CdAction action, const QString &driveLetter);

Snippet playMedia(Media media, const QString &path);

Snippet windowState(int state, const QString &title);
Snippet closeMenu();
Snippet windowCaption(const QString &caption);
Snippet windowPosition(Axis axis, const QString &number);

// chg_couleur
Snippet colour(const QString &title, const QString &target, int colour);
// visible_
Snippet visible(const QString &object, bool shown);

Snippet borderWidth(const QString &number);
Snippet borderShape(int shape);

Snippet backgroundPicture(const QString &path);
Snippet backgroundStretch(bool stretch);

Snippet timerEnabled(bool enabled);
Snippet timerInterval(const QString &number);

Snippet textAlignment(const QString &number, int alignment);
Snippet textFont(const QString &number, const FontChoice &font);
Snippet textLocked(const QString &number, bool locked);
Snippet textSize(const QString &number, Dimension dimension, const QString &value);
Snippet textPosition(const QString &number, Axis axis, const QString &value);
Snippet textScrollBar(const QString &number, bool shown);
Snippet textContent(const QString &number, const QString &text);

Snippet buttonEnabled(const QString &number, bool enabled);
Snippet buttonPosition(const QString &number, Axis axis, const QString &value);
Snippet buttonPicture(const QString &number, const QString &path);

} // namespace snippets
