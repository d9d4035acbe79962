#include "player/core/MenuScriptHost.h"

#include "player/core/AsciiCase.h"
#include "player/core/ScriptingDictionary.h"
#include "player/core/SystemPath.h"
#include "player/core/TextFile.h"
#include "player/core/Utf16Text.h"
#include "vbscript/Conversion.h"
#include "vbscript/HostObject.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using utf16text::fromUtf8;
using utf16text::toUtf8;
using Property = MenuObjects::Property;
using Target = MenuObjects::Target;

namespace {

constexpr int kCritical = 16;
const std::string kErrorTitle = "Erreur de script";

// The engine's catalogue lacks the file errors.
constexpr const char16_t *kPastEnd = u"Lecture au-delà de la fin du fichier";

enum class Type { Number, Boolean, Text };

vbs::Variant toVariant(const MenuObjects::Value &value)
{
    if (const auto *b = std::get_if<bool>(&value))
        return vbs::Variant::boolean(*b);
    if (const auto *text = std::get_if<std::string>(&value))
        return vbs::Variant::string(fromUtf8(*text));
    const double number = std::get<double>(value);
    if (number == std::floor(number) && std::abs(number) < 2147483647.0)
        return vbs::Variant::longValue(int32_t(number));
    return vbs::Variant::real(number);
}

MenuObjects::Value fromVariant(const vbs::Variant &value, Type type)
{
    switch (type) {
    case Type::Number:
        return vbs::conv::toDouble(value);
    case Type::Boolean:
        return vbs::conv::toBool(value);
    case Type::Text:
        return toUtf8(vbs::conv::toString(value, vbs::Language::French));
    }
    return {};
}

void addProperty(vbs::DispatchObject &object, MenuObjects &objects, std::u16string_view name, Target target,
                 Property property, Type type)
{
    object.addProperty(
        name, [&objects, target, property](std::span<vbs::Variant>) { return toVariant(objects.property(target, property)); },
        [&objects, target, property, type](std::span<vbs::Variant>, const vbs::Variant &value) {
            objects.setProperty(target, property, fromVariant(value, type));
        });
}

void replaceAll(std::string &text, std::string_view token, const std::string &by)
{
    for (size_t at = 0; at + token.size() <= text.size();) {
        if (startsWithNoCase(std::string_view(text).substr(at), token)) {
            text.replace(at, token.size(), by);
            at += by.size();
        } else {
            ++at;
        }
    }
}

} // namespace

// Dialogs and objects for the engine; time in a dialog does not count against the script.
class MenuScriptHost::Services : public vbs::ScriptHost
{
public:
    Services(MenuObjects &objects, ScriptWatchdog &watchdog, DiscPaths paths)
        : m_objects(objects), m_watchdog(watchdog), m_paths(std::move(paths))
    {
    }

    int msgBox(const std::u16string &prompt, int buttons, const std::u16string &title) override
    {
        m_watchdog.disarm();
        const int answer = m_objects.messageBox(toUtf8(prompt), buttons, toUtf8(title));
        m_watchdog.arm();
        return answer;
    }

    std::u16string inputBox(const std::u16string &prompt, const std::u16string &title,
                            const std::u16string &defaultText) override
    {
        m_watchdog.disarm();
        const std::string answer = m_objects.inputBox(toUtf8(prompt), toUtf8(title), toUtf8(defaultText));
        m_watchdog.arm();
        return fromUtf8(answer);
    }

    std::shared_ptr<vbs::HostObject> createObject(const std::u16string &progId) override
    {
        const std::u16string name = vbs::foldName(progId);
        if (name == u"scripting.filesystemobject")
            return fileSystem();
        if (name == u"scripting.dictionary")
            return std::make_shared<ScriptingDictionary>();
        if (name != u"wscript.shell")
            return vbs::ScriptHost::createObject(progId);
        auto shell = std::make_shared<vbs::DispatchObject>(u"IWshShell3");
        shell->addMethod(u"Run", [this](std::span<vbs::Variant> args) {
            if (args.empty())
                throw vbs::ScriptError(450);
            m_objects.runCommand(std::get<std::string>(fromVariant(args[0], Type::Text)));
            return vbs::Variant::longValue(0);
        });
        return shell;
    }

    // The picture is its file's path: the front loads it when a Picture property takes it.
    vbs::Variant loadPicture(const std::u16string &path) override
    {
        if (path.empty())
            return vbs::Variant::string(u"");
        const std::string file = m_paths.discFile(toUtf8(path));
        if (!systempath::isFile(file))
            throw vbs::ScriptError(53, u"Fichier introuvable");
        return vbs::Variant::string(fromUtf8(file));
    }

private:
    // Reading text files is all the snippets ask of it; relative paths start at the disc's root.
    std::shared_ptr<vbs::HostObject> fileSystem() const
    {
        auto system = std::make_shared<vbs::DispatchObject>(u"FileSystemObject");
        system->addMethod(u"OpenTextFile", [paths = m_paths](std::span<vbs::Variant> args) {
            if (args.empty())
                throw vbs::ScriptError(450);
            const std::string path = paths.discFile(std::get<std::string>(fromVariant(args[0], Type::Text)));
            if (args.size() > 1 && vbs::conv::toLong(args[1]) != 1)
                throw vbs::ScriptError(5);
            const std::optional<std::string> bytes = systempath::read(path);
            if (!bytes)
                throw vbs::ScriptError(53, u"Fichier introuvable");
            auto text = std::make_shared<std::u16string>(textfile::decode(*bytes));
            auto at = std::make_shared<size_t>(0);
            auto file = std::make_shared<vbs::DispatchObject>(u"TextStream");
            file->addMethod(u"ReadAll", [text, at](std::span<vbs::Variant>) {
                if (*at >= text->size())
                    throw vbs::ScriptError(62, kPastEnd);
                auto rest = text->substr(*at);
                *at = text->size();
                return vbs::Variant::string(std::move(rest));
            });
            file->addMethod(u"ReadLine", [text, at](std::span<vbs::Variant>) {
                if (*at >= text->size())
                    throw vbs::ScriptError(62, kPastEnd);
                size_t end = text->find(u'\n', *at);
                if (end == std::u16string::npos)
                    end = text->size();
                std::u16string line = text->substr(*at, end - *at);
                if (!line.empty() && line.back() == u'\r')
                    line.pop_back();
                *at = std::min(end + 1, text->size());
                return vbs::Variant::string(std::move(line));
            });
            file->addProperty(u"AtEndOfStream", [text, at](std::span<vbs::Variant>) {
                return vbs::Variant::boolean(*at >= text->size());
            });
            file->addMethod(u"Close", [](std::span<vbs::Variant>) { return vbs::Variant(); });
            return vbs::Variant::object(file);
        });
        const auto exists = [paths = m_paths](bool folder) {
            return [paths, folder](std::span<vbs::Variant> args) {
                if (args.empty())
                    throw vbs::ScriptError(450);
                const std::string path = paths.discFile(std::get<std::string>(fromVariant(args[0], Type::Text)));
                return vbs::Variant::boolean(folder ? systempath::isFolder(path) : systempath::isFile(path));
            };
        };
        system->addMethod(u"FileExists", exists(false));
        system->addMethod(u"FolderExists", exists(true));
        return system;
    }

    MenuObjects &m_objects;
    ScriptWatchdog &m_watchdog;
    DiscPaths m_paths;
};

MenuScriptHost::MenuScriptHost(const MenuModel &menu, MenuObjects &objects, DiscPaths paths)
    : m_objects(objects), m_paths(std::move(paths)), m_watchdog(m_engine.interruptFlag(), std::chrono::seconds(5))
{
    m_services = std::make_unique<Services>(m_objects, m_watchdog, m_paths);
    m_engine.setLanguage(vbs::Language::French);
    m_engine.setHost(m_services.get());
    addObjects(menu);
}

MenuScriptHost::~MenuScriptHost() = default;

void MenuScriptHost::setTimeLimit(std::chrono::milliseconds limit)
{
    m_watchdog.setLimit(limit);
}

void MenuScriptHost::setLocale(int lcid)
{
    // An unknown identifier gives French, the menus' own language.
    m_engine.setLocale(vbs::Locale::nearest(lcid), vbs::Language::French);
}

void MenuScriptHost::addObjects(const MenuModel &menu)
{
    auto window = std::make_shared<vbs::DispatchObject>(u"Form");
    const Target windowTarget{MenuObjects::Kind::Window, 0};
    for (const auto &[name, property, type] : {
             std::tuple{u"WindowState", Property::WindowState, Type::Number},
             {u"Visible", Property::Visible, Type::Boolean},
             {u"Caption", Property::Caption, Type::Text},
             {u"BackColor", Property::BackColor, Type::Number},
             {u"Left", Property::Left, Type::Number},
             {u"Top", Property::Top, Type::Number},
             {u"Width", Property::Width, Type::Number},
             {u"Height", Property::Height, Type::Number},
             {u"MousePointer", Property::MousePointer, Type::Number},
             {u"MouseIcon", Property::MouseIcon, Type::Text}})
        addProperty(*window, m_objects, name, windowTarget, property, type);
    m_engine.addObject(u"Fenetre", window);

    auto timer = std::make_shared<vbs::DispatchObject>(u"Timer");
    const Target timerTarget{MenuObjects::Kind::Timer, 0};
    addProperty(*timer, m_objects, u"Enabled", timerTarget, Property::Enabled, Type::Boolean);
    addProperty(*timer, m_objects, u"Interval", timerTarget, Property::Interval, Type::Number);
    m_engine.addObject(u"Minuteur", timer);

    auto background = std::make_shared<vbs::DispatchObject>(u"Image");
    const Target backgroundTarget{MenuObjects::Kind::Background, 0};
    addProperty(*background, m_objects, u"Picture", backgroundTarget, Property::Picture, Type::Text);
    addProperty(*background, m_objects, u"Stretch", backgroundTarget, Property::Stretch, Type::Boolean);
    m_engine.addObject(u"ImageFond", background);

    auto border = std::make_shared<vbs::DispatchObject>(u"Shape");
    const Target borderTarget{MenuObjects::Kind::Border, 0};
    for (const auto &[name, property, type] : {
             std::tuple{u"BorderColor", Property::BorderColor, Type::Number},
             {u"BorderWidth", Property::BorderWidth, Type::Number},
             {u"Shape", Property::Shape, Type::Number},
             {u"Visible", Property::Visible, Type::Boolean}})
        addProperty(*border, m_objects, name, borderTarget, property, type);
    m_engine.addObject(u"Bordure", border);

    auto screen = std::make_shared<vbs::DispatchObject>(u"Screen");
    addProperty(*screen, m_objects, u"MousePointer", {MenuObjects::Kind::Screen, 0}, Property::MousePointer,
                Type::Number);
    addProperty(*screen, m_objects, u"MouseIcon", {MenuObjects::Kind::Screen, 0}, Property::MouseIcon, Type::Text);
    m_engine.addObject(u"Ecran", screen);

    for (const MenuModel::Button &b : menu.buttons) {
        auto button = std::make_shared<vbs::DispatchObject>(u"Image");
        const Target target{MenuObjects::Kind::Button, b.number};
        for (const auto &[name, property, type] : {
                 std::tuple{u"Left", Property::Left, Type::Number},
                 {u"Top", Property::Top, Type::Number},
                 {u"Visible", Property::Visible, Type::Boolean},
                 {u"Enabled", Property::Enabled, Type::Boolean},
                 {u"MousePointer", Property::MousePointer, Type::Number},
                 {u"Picture", Property::Picture, Type::Text},
                 {u"MouseIcon", Property::MouseIcon, Type::Text}})
            addProperty(*button, m_objects, name, target, property, type);
        m_engine.addObject(u"Bouton" + fromUtf8(std::to_string(b.number)), button);
    }
    for (const MenuModel::Text &t : menu.texts) {
        auto text = std::make_shared<vbs::DispatchObject>(u"TextBox");
        const Target target{MenuObjects::Kind::Text, t.number};
        for (const auto &[name, property, type] : {
                 std::tuple{u"Left", Property::Left, Type::Number},
                 {u"Top", Property::Top, Type::Number},
                 {u"Width", Property::Width, Type::Number},
                 {u"Height", Property::Height, Type::Number},
                 {u"Visible", Property::Visible, Type::Boolean},
                 {u"Locked", Property::Locked, Type::Boolean},
                 {u"Text", Property::Text, Type::Text},
                 {u"BackColor", Property::BackColor, Type::Number},
                 {u"ForeColor", Property::ForeColor, Type::Number},
                 {u"MousePointer", Property::MousePointer, Type::Number},
                 {u"Alignment", Property::Alignment, Type::Number},
                 {u"FontBold", Property::FontBold, Type::Boolean},
                 {u"FontItalic", Property::FontItalic, Type::Boolean},
                 {u"FontName", Property::FontName, Type::Text},
                 {u"FontSize", Property::FontSize, Type::Number},
                 {u"FontStrikethru", Property::FontStrikethru, Type::Boolean},
                 {u"FontUnderline", Property::FontUnderline, Type::Boolean},
                 {u"MouseIcon", Property::MouseIcon, Type::Text}})
            addProperty(*text, m_objects, name, target, property, type);
        text->setDefaultMember(u"Text");
        m_engine.addObject(u"Texte" + fromUtf8(std::to_string(t.number)), text);
    }

    // The snippets give the argument in Tag, then the command in Text.
    auto action = std::make_shared<vbs::DispatchObject>(u"TextBox");
    auto tag = std::make_shared<std::string>();
    auto command = std::make_shared<std::string>();
    action->addProperty(
        u"Tag", [tag](std::span<vbs::Variant>) { return vbs::Variant::string(fromUtf8(*tag)); },
        [tag](std::span<vbs::Variant>, const vbs::Variant &value) {
            *tag = std::get<std::string>(fromVariant(value, Type::Text));
        });
    action->addProperty(
        u"Text", [command](std::span<vbs::Variant>) { return vbs::Variant::string(fromUtf8(*command)); },
        [this, tag, command](std::span<vbs::Variant>, const vbs::Variant &value) {
            *command = std::get<std::string>(fromVariant(value, Type::Text));
            if (*command == "Fermer")
                m_objects.closeMenu();
            else if (*command == "JouerSon" || *command == "JouerSonWAV")
                m_objects.playSound(*tag);
            else if (*command == "JouerVideo")
                m_objects.playVideo(*tag);
            else if (*command == "OuvrirCD" || *command == "FermerCD")
                m_objects.moveTray(*command == "OuvrirCD", *tag);
            else if (*command == "AfficheBarre" || *command == "MasqueBarre")
                m_objects.setProperty({MenuObjects::Kind::Text, std::atoi(tag->c_str())}, Property::ScrollBar,
                                    *command == "AfficheBarre");
        });
    action->setDefaultMember(u"Text");
    m_engine.addObject(u"Action", action);
}

std::string MenuScriptHost::replaceTokens(std::string_view code) const
{
    std::string text(code);
    const std::string root = DiscPaths::withSlash(m_paths.discRoot());
    replaceAll(text, "[LECT]:\\", root);
    replaceAll(text, "[LECT]:/", root);
    replaceAll(text, "[LECT]:", m_paths.discRoot());
    replaceAll(text, "[LECT]", m_paths.discRoot());
    replaceAll(text, "[CHEMIN]", DiscPaths::withSlash(m_paths.menuFolder()));
    return text;
}

bool MenuScriptHost::runScript(const std::string &slot, const std::string &code, bool global)
{
    // An event that comes while a script waits in a dialog is dropped, not nested.
    if (code.empty() || m_depth > 0)
        return true;
    struct Running
    {
        MenuScriptHost &host;
        explicit Running(MenuScriptHost &h) : host(h) { ++host.m_depth, host.m_watchdog.arm(); }
        ~Running() { host.m_watchdog.disarm(), --host.m_depth; }
    } running(*this);
    try {
        const std::u16string source = fromUtf8(replaceTokens(code));
        if (global)
            m_engine.addCode(source);
        else
            m_engine.run(source);
    } catch (const vbs::ScriptError &error) {
        m_watchdog.disarm();
        reportError(slot, error);
        return false;
    }
    return true;
}

void MenuScriptHost::reportError(const std::string &slot, const vbs::ScriptError &error)
{
    if (m_watchdog.fired()) {
        m_objects.messageBox("Le script « " + slot + " » a été interrompu : il ne rendait pas la main.", kCritical,
                           kErrorTitle);
        return;
    }
    m_objects.messageBox("Erreur " + std::to_string(error.number()) + " dans le script « " + slot + " », ligne " +
                           std::to_string(error.line()) + " :\n" + toUtf8(error.description()),
                       kCritical, kErrorTitle);
}

void MenuScriptHost::runStartup(const std::string &globalCode, const std::string &code)
{
    runScript("global", globalCode, true);
    runScript("démarrage", code);
}

void MenuScriptHost::buttonClicked(int number, const std::string &code)
{
    runScript("bouton " + std::to_string(number), code);
}

void MenuScriptHost::buttonHovered(int number, const std::string &code)
{
    runScript("survol du bouton " + std::to_string(number), code);
}

void MenuScriptHost::windowHovered(const std::string &code)
{
    // It runs at every move of the pointer: after one failure it would give nothing but messages.
    if (!m_windowHoverFailed)
        m_windowHoverFailed = !runScript("survol de la fenêtre", code);
}

void MenuScriptHost::timerTicked(const std::string &code)
{
    // A failing timer script would fail again at every tick, one message after another.
    if (!runScript("minuteur", code))
        m_objects.setProperty({MenuObjects::Kind::Timer, 0}, Property::Enabled, false);
}
