#include "script/AssistantDialogues.h"

#include "common/Phrases.h"
#include "common/ProgramVersion.h"
#include "prompt/Prompter.h"
#include "script/AssistantSnippets.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

using A = AssistantAction;
using snippets::Axis;

AssistantOutcome inserting(const Snippet &snippet)
{
    return {snippet, {}};
}

AssistantOutcome nothing()
{
    return {};
}

AssistantOutcome cursorFor(const QString &target)
{
    return {std::nullopt, target};
}

template <typename Make> AssistantOutcome unlessEmpty(const QString &answer, Make make)
{
    return answer.isEmpty() ? nothing() : inserting(make(answer));
}

template <typename Make> AssistantOutcome ifGiven(const std::optional<QString> &answer, Make make)
{
    return answer ? inserting(make(*answer)) : nothing();
}

// Inserted as typed, so only what reads the same in VBScript: digits with an optional
// sign and decimal point, blanks around (no exponent, no "&H", no thousands).
bool isNumber(const QString &answer)
{
    static const QRegularExpression plain(u"^[ \\t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)[ \\t]*$"_s);
    return plain.match(answer).hasMatch();
}

} // namespace

AssistantDialogues::AssistantDialogues(Prompter &prompter) : m_prompter(prompter) {}

QString AssistantDialogues::defaultWebAddress()
{
    return version::website();
}

AssistantOutcome AssistantDialogues::run(AssistantAction action)
{
    for (auto group : {&AssistantDialogues::runGeneral, &AssistantDialogues::runWindow,
                       &AssistantDialogues::runBorderBackgroundTimer, &AssistantDialogues::runTextBox,
                       &AssistantDialogues::runButton}) {
        if (std::optional<AssistantOutcome> outcome = (this->*group)(action))
            return *outcome;
    }
    return nothing();
}

QString AssistantDialogues::ask(const QString &prompt, const QString &title, const QString &defaultText)
{
    return m_prompter.input({prompt, title, defaultText});
}

std::optional<QString> AssistantDialogues::askObjectNumber(const QString &prompt)
{
    const QString answer = ask(prompt, QString(), u"1"_s);
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}

std::optional<QString> AssistantDialogues::askTextBoxNumber()
{
    return askObjectNumber(Phrases::text(Phrase::TextBoxNumberPrompt));
}

std::optional<QString> AssistantDialogues::askButtonNumber()
{
    return askObjectNumber(Phrases::text(Phrase::ButtonNumberPrompt));
}

std::optional<QString> AssistantDialogues::askNumberLooping(const QString &prompt, const QString &title,
                                                            const QString &errorTitle, const QString &defaultText)
{
    for (;;) {
        const QString answer = ask(prompt, title, defaultText);
        if (answer.isEmpty())
            return std::nullopt;
        if (isNumber(answer))
            return answer;
        m_prompter.message(Phrases::text(Phrase::IncorrectNumber), errorTitle, MessageIcon::Critical);
    }
}

std::optional<QString> AssistantDialogues::askNumberOnce(const QString &prompt, const QString &title)
{
    const QString answer = ask(prompt, title);
    if (answer.isEmpty())
        return std::nullopt;
    if (isNumber(answer))
        return answer;
    m_prompter.message(Phrases::text(Phrase::IncorrectValue), title, MessageIcon::Critical);
    return std::nullopt;
}

std::optional<int> AssistantDialogues::askColour()
{
    return m_prompter.colour(ColourRequest{});
}

std::optional<AssistantOutcome> AssistantDialogues::runGeneral(AssistantAction action)
{
    switch (action) {
    case A::ShowMessage: {
        const QString dialogueTitle = Phrases::text(Phrase::DialogBox);
        const QString title = ask(Phrases::text(Phrase::TitleColon), dialogueTitle);
        const QString text = ask(Phrases::text(Phrase::MessageWithBreaks), dialogueTitle);
        const QString type = ask(Phrases::text(Phrase::MessageTypePrompt), dialogueTitle, u"information"_s);
        return inserting(snippets::message(title, text, type));
    }
    case A::LaunchSubMenu:
        return unlessEmpty(ask(Phrases::text(Phrase::SubMenuNamePrompt), Phrases::text(Phrase::SubMenuTitle)),
                           snippets::subMenu);
    case A::OpenWebPage:
        return unlessEmpty(
            ask(Phrases::text(Phrase::WebPageAddressPrompt), Phrases::text(Phrase::OpenWebPage), defaultWebAddress()),
            snippets::webPage);
    case A::OpenHtmlPage:
        return inserting(
            snippets::htmlPage(ask(Phrases::text(Phrase::HtmlPagePathPrompt), Phrases::text(Phrase::OpenHtmlPage))));
    case A::SendEmail: {
        const QString title = Phrases::text(Phrase::SendEmail);
        const QString address = ask(Phrases::text(Phrase::EmailRecipientPrompt), title, u"xx@xx.xx"_s);
        if (address.isEmpty())
            return nothing();
        const QString copies = ask(Phrases::text(Phrase::EmailCopiesPrompt), title);
        const QString subject = ask(Phrases::text(Phrase::EmailSubjectPrompt), title);
        const QString body = ask(Phrases::text(Phrase::MessageColon), title);
        return inserting(snippets::email(address, copies, subject, body));
    }
    case A::OpenTextFile: {
        const QString title = Phrases::text(Phrase::OpenTextFile);
        const QString path = ask(Phrases::text(Phrase::TextFilePathPrompt), title);
        if (path.isEmpty())
            return nothing();
        const QString box = ask(Phrases::text(Phrase::TextBoxForFilePrompt), title);
        return box.isEmpty() ? nothing() : inserting(snippets::textFile(path, box));
    }
    case A::OpenDocument:
        return unlessEmpty(ask(Phrases::text(Phrase::DocumentToOpen), Phrases::text(Phrase::OpenDocument)),
                           snippets::document);
    case A::OpenFolder:
        return unlessEmpty(ask(Phrases::text(Phrase::FolderToOpenPrompt), Phrases::text(Phrase::OpenFolder)),
                           snippets::folder);
    case A::RunProgram:
        return unlessEmpty(ask(Phrases::text(Phrase::FileToRunPrompt), Phrases::text(Phrase::RunFile)),
                           snippets::program);
    case A::OpenCdTray:
    case A::CloseCdTray: {
        const auto cd = action == A::OpenCdTray ? snippets::CdAction::Open : snippets::CdAction::Close;
        const QString word = Phrases::text(cd == snippets::CdAction::Open ? Phrase::Open : Phrase::Close);
        const QString lower = word.toLower();
        const QString letter =
            ask(Phrases::text(Phrase::DriveLetterFor) + lower + Phrases::text(Phrase::DriveLetterExample) + lower +
                    Phrases::text(Phrase::DriveOfTheMenu),
                word + Phrases::text(Phrase::TheCdDrive), u"[LECT]"_s);
        return unlessEmpty(letter, [cd](const QString &answer) { return snippets::cdTray(cd, answer); });
    }
    case A::PlaySound:
        return unlessEmpty(ask(Phrases::text(Phrase::SoundFilePathPrompt), Phrases::text(Phrase::PlaySoundFile)),
                           [](const QString &path) { return snippets::playMedia(snippets::Media::Sound, path); });
    case A::PlayWavSound:
        return unlessEmpty(ask(Phrases::text(Phrase::SoundFilePathPrompt), Phrases::text(Phrase::PlayWavSound)),
                           [](const QString &path) { return snippets::playMedia(snippets::Media::WavSound, path); });
    case A::PlayVideo:
        return unlessEmpty(ask(Phrases::text(Phrase::VideoFilePathPrompt), Phrases::text(Phrase::PlayVideoFile)),
                           [](const QString &path) { return snippets::playMedia(snippets::Media::Video, path); });
    case A::ScreenCursor:
        return cursorFor(u"Ecran"_s);
    case A::Cancel:
        return nothing();
    default:
        return std::nullopt;
    }
}

std::optional<AssistantOutcome> AssistantDialogues::runWindow(AssistantAction action)
{
    switch (action) {
    case A::WindowMaximise:
        return inserting(snippets::windowState(2, u"Maximiser"_s));
    case A::WindowMinimise:
        return inserting(snippets::windowState(1, u"Minimiser"_s));
    case A::WindowNormalSize:
        return inserting(snippets::windowState(0, u"Taille normale"_s));
    case A::WindowClose:
        return inserting(snippets::closeMenu());
    case A::WindowTitle:
        return unlessEmpty(ask(Phrases::text(Phrase::NewTitlePrompt), Phrases::text(Phrase::ChangeTitle)),
                           snippets::windowCaption);
    case A::WindowColour: {
        const std::optional<int> colour = askColour();
        return colour ? inserting(snippets::colour(u"Changer couleur menu"_s, u"Fenetre.BackColor"_s, *colour))
                      : nothing();
    }
    case A::WindowX:
    case A::WindowY: {
        const Axis axis = action == A::WindowX ? Axis::X : Axis::Y;
        return ifGiven(
            askNumberLooping(axis == Axis::X ? Phrases::text(Phrase::NewXPrompt) : Phrases::text(Phrase::NewYPrompt),
                             Phrases::text(Phrase::ChangePosition), Phrases::text(Phrase::Error)),
            [axis](const QString &number) { return snippets::windowPosition(axis, number); });
    }
    case A::WindowCursor:
        return cursorFor(u"Fenetre"_s);
    case A::WindowVisible:
    case A::WindowHidden:
        return inserting(snippets::visible(u"Fenetre"_s, action == A::WindowVisible));
    default:
        return std::nullopt;
    }
}

std::optional<AssistantOutcome> AssistantDialogues::runBorderBackgroundTimer(AssistantAction action)
{
    switch (action) {
    case A::BorderWidth: {
        const QString title = Phrases::text(Phrase::BorderWidth);
        return ifGiven(askNumberLooping(Phrases::text(Phrase::NewBorderWidthPrompt), title, title, u"1"_s),
                       snippets::borderWidth);
    }
    case A::BorderColour: {
        const std::optional<int> colour = askColour();
        return colour ? inserting(snippets::colour(u"Changer couleur bordure"_s, u"Bordure.BorderColor"_s, *colour))
                      : nothing();
    }
    case A::BorderRectangle:
        return inserting(snippets::borderShape(0));
    case A::BorderOval:
        return inserting(snippets::borderShape(2));
    case A::BorderRoundedRectangle:
        return inserting(snippets::borderShape(4));
    case A::BorderVisible:
    case A::BorderHidden:
        return inserting(snippets::visible(u"Bordure"_s, action == A::BorderVisible));
    case A::BackgroundPicture:
        return unlessEmpty(ask(Phrases::text(Phrase::ImagePathPrompt), Phrases::text(Phrase::BackgroundImage)),
                           snippets::backgroundPicture);
    case A::BackgroundStretch:
    case A::BackgroundNoStretch:
        return inserting(snippets::backgroundStretch(action == A::BackgroundStretch));
    case A::TimerEnable:
    case A::TimerDisable:
        return inserting(snippets::timerEnabled(action == A::TimerEnable));
    case A::TimerInterval: {
        const QString title = Phrases::text(Phrase::TimerInterval);
        return ifGiven(askNumberLooping(Phrases::text(Phrase::NewIntervalPrompt), title, title),
                       snippets::timerInterval);
    }
    default:
        return std::nullopt;
    }
}

std::optional<AssistantOutcome> AssistantDialogues::runTextBox(AssistantAction action)
{
    switch (action) {
    case A::TextAlignLeft:
    case A::TextAlignRight:
    case A::TextAlignCentre:
    case A::TextFont:
    case A::TextForeColour:
    case A::TextBackColour:
    case A::TextCursor:
    case A::TextLock:
    case A::TextUnlock:
    case A::TextVisible:
    case A::TextHidden:
    case A::TextWidth:
    case A::TextHeight:
    case A::TextX:
    case A::TextY:
    case A::TextScrollBarOn:
    case A::TextScrollBarOff:
    case A::TextChangeText:
        break;
    default:
        return std::nullopt;
    }
    const std::optional<QString> asked = askTextBoxNumber();
    if (!asked)
        return nothing();
    const QString n = *asked;
    switch (action) {
    case A::TextAlignLeft:
        return inserting(snippets::textAlignment(n, 0));
    case A::TextAlignRight:
        return inserting(snippets::textAlignment(n, 1));
    case A::TextAlignCentre:
        return inserting(snippets::textAlignment(n, 2));
    case A::TextFont: {
        const std::optional<FontChoice> font = m_prompter.font(FontChoice{});
        return font ? inserting(snippets::textFont(n, *font)) : nothing();
    }
    case A::TextForeColour:
    case A::TextBackColour: {
        const bool fore = action == A::TextForeColour;
        const std::optional<int> colour = askColour();
        if (!colour)
            return nothing();
        return inserting(
            snippets::colour((fore ? u"Changer couleur texte "_s : u"Changer couleur fond "_s) + snippets::textBox(n),
                             snippets::textBox(n) + (fore ? u".ForeColor"_s : u".BackColor"_s), *colour));
    }
    case A::TextCursor:
        return cursorFor(snippets::textBox(n));
    case A::TextLock:
    case A::TextUnlock:
        return inserting(snippets::textLocked(n, action == A::TextLock));
    case A::TextVisible:
    case A::TextHidden:
        return inserting(snippets::visible(snippets::textBox(n), action == A::TextVisible));
    case A::TextWidth:
    case A::TextHeight: {
        const auto dimension = action == A::TextWidth ? snippets::Dimension::Width : snippets::Dimension::Height;
        return ifGiven(askNumberOnce(action == A::TextWidth ? Phrases::text(Phrase::NewWidthPrompt)
                                                            : Phrases::text(Phrase::NewHeightPrompt),
                                     Phrases::text(Phrase::Size)),
                       [&](const QString &value) { return snippets::textSize(n, dimension, value); });
    }
    case A::TextX:
    case A::TextY: {
        const Axis axis = action == A::TextX ? Axis::X : Axis::Y;
        return ifGiven(
            askNumberOnce(axis == Axis::X ? Phrases::text(Phrase::NewXPrompt) : Phrases::text(Phrase::NewYPrompt),
                          Phrases::text(Phrase::Position)),
            [&](const QString &value) { return snippets::textPosition(n, axis, value); });
    }
    case A::TextScrollBarOn:
    case A::TextScrollBarOff:
        return inserting(snippets::textScrollBar(n, action == A::TextScrollBarOn));
    default:
        return unlessEmpty(ask(Phrases::text(Phrase::NewTextPrompt), Phrases::text(Phrase::Text)),
                           [&](const QString &text) { return snippets::textContent(n, text); });
    }
}

std::optional<AssistantOutcome> AssistantDialogues::runButton(AssistantAction action)
{
    switch (action) {
    case A::ButtonEnable:
    case A::ButtonDisable:
    case A::ButtonX:
    case A::ButtonY:
    case A::ButtonCursor:
    case A::ButtonPicture:
    case A::ButtonVisible:
    case A::ButtonHidden:
        break;
    default:
        return std::nullopt;
    }
    const std::optional<QString> asked = askButtonNumber();
    if (!asked)
        return nothing();
    const QString n = *asked;
    switch (action) {
    case A::ButtonEnable:
    case A::ButtonDisable:
        return inserting(snippets::buttonEnabled(n, action == A::ButtonEnable));
    case A::ButtonX:
    case A::ButtonY: {
        const Axis axis = action == A::ButtonX ? Axis::X : Axis::Y;
        return ifGiven(
            askNumberOnce(axis == Axis::X ? Phrases::text(Phrase::NewXPrompt) : Phrases::text(Phrase::NewYPrompt),
                          Phrases::text(Phrase::Position)),
            [&](const QString &value) { return snippets::buttonPosition(n, axis, value); });
    }
    case A::ButtonCursor:
        return cursorFor(snippets::button(n));
    case A::ButtonPicture:
        return unlessEmpty(
            ask(Phrases::text(Phrase::NewImagePrompt), Phrases::text(Phrase::ImageSpace) + snippets::button(n)),
            [&](const QString &path) { return snippets::buttonPicture(n, path); });
    default:
        return inserting(snippets::visible(snippets::button(n), action == A::ButtonVisible));
    }
}
