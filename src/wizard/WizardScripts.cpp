#include "wizard/WizardScripts.h"

#include "project/StartupAction.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace wizardscripts {

QString quotesToApostrophes(QString text)
{
    return text.replace(u'"', u'\'');
}

QString lineBreaks(QString text)
{
    static const QRegularExpression mark(u"\\[r\\]"_s, QRegularExpression::CaseInsensitiveOption);
    return text.replace(mark, u"\r\n"_s);
}

QString openCode(const QString &kind, const QString &target)
{
    return u"'"_s + kind + u"¤Set exe_f = CreateObject(\"WScript.Shell\")¤exe_f.Run(\""_s
           + quotesToApostrophes(target) + u"\")"_s;
}

QString messageCode(const QString &title, const QString &message)
{
    QString text = message;
    text.replace(u"\r\n"_s, u"\"+chr(10)+chr(13)+\""_s);
    return u"MsgBox \""_s + text + u"\", vbInformation, \""_s + title + u'"';
}

QString startupAction(const WizardProject &p)
{
    switch (p.startup) {
    case WizardProject::Startup::Nothing:
        return {};
    case WizardProject::Startup::Multimedia:
        return p.startupFile;
    case WizardProject::Startup::Open:
        return startup::kScriptPrefix + openCode(p.startupTargetKind, p.startupTarget);
    case WizardProject::Startup::Message:
        return startup::kScriptPrefix + messageCode(p.startupTitle, p.startupMessage);
    }
    return {};
}

KindAndCode kindAndCode(const WizardButton &b)
{
    switch (b.function) {
    case WizardButton::QuitMenu:
        return {ButtonKind::Quit, QString()};
    case WizardButton::ShowMessage:
        return {ButtonKind::Code, messageCode(b.argument1, b.argument2)};
    case WizardButton::OpenTarget:
        return {ButtonKind::Code, openCode(b.argument2, b.argument1)};
    case WizardButton::PlayMultimedia:
        return {ButtonKind::Multimedia, b.argument1};
    default:
        return {ButtonKind::Multimedia, QString()};
    }
}

} // namespace wizardscripts
