#include "player/core/MenuDataParser.h"

#include "format/ButtonKind.h"
#include "format/MenuFormat.h"
#include "player/core/Cp1252Text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr char kFoldMark = '\xA4';
constexpr std::size_t kMaxItems = 100000;

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string unfolded(std::string_view bytes)
{
    std::string utf8 = cp1252text::toUtf8(bytes);
    std::string out;
    out.reserve(utf8.size());
    // "¤" is C2 A4 in UTF-8.
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\xC2' && i + 1 < utf8.size() && utf8[i + 1] == kFoldMark) {
            out += kCrLf;
            ++i;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

} // namespace

std::optional<std::string_view> MenuDataParser::findBlock(std::string_view file)
{
    // The program's own constants hold the marker too; only the one that opens a
    // format line starts the data.
    std::size_t at = file.size();
    while (true) {
        if (at == 0)
            return std::nullopt;
        at = file.rfind(menuformat::kDataMarker, at - 1);
        if (at == std::string_view::npos)
            return std::nullopt;
        if (startsWith(file.substr(at + menuformat::kDataMarker.size()), menuformat::kDataFormatPrefix))
            break;
    }
    std::string_view block = file.substr(at + menuformat::kDataMarker.size());
    const std::size_t end = block.find(kCrLf);
    if (end != std::string_view::npos)
        block = block.substr(0, end);
    return block;
}

bool MenuDataParser::parseFile(std::string_view file, MenuModel &menu)
{
    const auto block = findBlock(file);
    if (!block)
        return fail("aucune donnée de menu n'est attachée à ce programme");
    return parse(*block, menu);
}

bool MenuDataParser::fail(const std::string &what)
{
    m_error = what;
    return false;
}

bool MenuDataParser::next(std::string_view &field)
{
    if (m_pos >= m_fields.size())
        return fail("les données du menu s'arrêtent avant la fin (champ " + std::to_string(m_pos + 1) + ")");
    field = m_fields[m_pos++];
    return true;
}

bool MenuDataParser::text(std::string &out)
{
    std::string_view field;
    if (!next(field))
        return false;
    out = unfolded(field);
    return true;
}

bool MenuDataParser::expect(std::string_view header)
{
    std::string_view field;
    if (!next(field))
        return false;
    if (field != header)
        return fail("en-tête " + cp1252text::toUtf8(header) + " attendu au champ " + std::to_string(m_pos));
    return true;
}

bool MenuDataParser::number(double &out)
{
    std::string_view field;
    if (!next(field))
        return false;
    const std::string_view digits = trimmed(field);
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        return fail("nombre attendu au champ " + std::to_string(m_pos) + " : « " + cp1252text::toUtf8(field) + " »");
    out = value;
    return true;
}

bool MenuDataParser::integer(int &out)
{
    double value = 0;
    if (!number(value))
        return false;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return fail("nombre hors limites au champ " + std::to_string(m_pos));
    out = int(value);
    return true;
}

bool MenuDataParser::leadingInteger(int &out)
{
    std::string_view field;
    if (!next(field))
        return false;
    std::size_t at = field.find_first_not_of(" \t");
    const bool negative = at != std::string_view::npos && field[at] == '-';
    if (at != std::string_view::npos && (field[at] == '-' || field[at] == '+'))
        ++at;
    double value = 0;
    for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at)
        value = value * 10 + (field[at] - '0');
    value = std::min(value, double(std::numeric_limits<int>::max()));
    out = int(negative ? -value : value);
    return true;
}

bool MenuDataParser::kind(ButtonKind &out)
{
    std::string_view field;
    if (!next(field))
        return false;
    out = menuformat::kindOf(field);
    return true;
}

bool MenuDataParser::flag(bool &out)
{
    double value = 0;
    if (!number(value))
        return false;
    out = value == 1;
    return true;
}

bool MenuDataParser::skip(int count)
{
    std::string_view field;
    for (int i = 0; i < count; ++i) {
        if (!next(field))
            return false;
    }
    return true;
}

bool MenuDataParser::parse(std::string_view block, MenuModel &menu)
{
    m_fields.clear();
    m_pos = 0;
    m_error.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t end = block.find(menuformat::kSeparator, start);
        m_fields.push_back(block.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }

    menu = MenuModel{};
    std::string_view first;
    if (!next(first))
        return false;
    if (!startsWith(first, menuformat::kDataFormatPrefix))
        return fail("ce ne sont pas des données de menu ZEP");
    menu.formatLine = cp1252text::toUtf8(first);
    if (!readGeneral(menu) || !readParamsPlus(menu) || !readOther(menu))
        return false;

    while (m_pos < m_fields.size()) {
        const std::string_view field = m_fields[m_pos];
        bool ok = true;
        if (field == menuformat::kButton)
            ok = readButton(menu);
        else if (field == menuformat::kText)
            ok = readText(menu);
        else if (field == menuformat::kShape)
            ok = readShape(menu);
        else
            ++m_pos; // the closing line, or lines of a later version
        if (!ok)
            return false;
    }
    return true;
}

bool MenuDataParser::readGeneral(MenuModel &menu)
{
    if (!expect(menuformat::kGeneral) || !text(menu.backgroundImage))
        return false;
    std::string_view width = m_fields.size() > m_pos ? trimmed(m_fields[m_pos]) : std::string_view();
    if (width == menuformat::kFullScreenWidth) {
        menu.fullScreen = true;
        if (!skip(2))
            return false;
    } else if (!number(menu.width) || !number(menu.height)) {
        return false;
    }
    double contours = 0;
    if (!number(contours))
        return false;
    menu.contours = contours > 0;
    return text(menu.projectName) && text(menu.author) && text(menu.backgroundMusic);
}

bool MenuDataParser::readParamsPlus(MenuModel &menu)
{
    return expect(menuformat::kParamsPlus) && text(menu.startupAction) && integer(menu.backgroundColour) &&
           flag(menu.contextMenu) && flag(menu.timerEnabled) && leadingInteger(menu.timerInterval) &&
           text(menu.timerCode) && text(menu.globalCode) && flag(menu.handCursor) && text(menu.clickSound) &&
           text(menu.hoverSound);
}

bool MenuDataParser::readOther(MenuModel &menu)
{
    return expect(menuformat::kOther) && text(menu.transparencyImage) && text(menu.windowHoverCode) && skip(13);
}

bool MenuDataParser::readButton(MenuModel &menu)
{
    if (menu.buttons.size() >= kMaxItems)
        return fail("trop de boutons");
    MenuModel::Button b;
    b.number = int(menu.buttons.size()) + 1;
    if (!expect(menuformat::kButton) || !number(b.left) || !number(b.top) || !text(b.normalImage) ||
        !text(b.hoverImage) || !text(b.clickImage) || !kind(b.kind) || !text(b.code) || !text(b.hoverCode) ||
        !flag(b.transparent) || !integer(b.transparentColour) || !skip(1))
        return false;
    menu.buttons.push_back(std::move(b));
    return true;
}

bool MenuDataParser::readText(MenuModel &menu)
{
    if (menu.texts.size() >= kMaxItems)
        return fail("trop de textes");
    MenuModel::Text t;
    t.number = int(menu.texts.size()) + 1;
    std::string flags;
    if (!expect(menuformat::kText) || !text(t.text) || !integer(t.backColour) || !integer(t.textColour) ||
        !flag(t.bold) || !flag(t.italic) || !text(t.fontName) || !number(t.fontSize) || !flag(t.strikethrough) ||
        !flag(t.underline) || !number(t.top) || !number(t.left) || !number(t.width) || !number(t.height) ||
        !text(flags) || !skip(4))
        return false;
    t.scrollBar = !flags.empty() && flags[0] == '1';
    t.readOnly = flags.size() >= 2 && flags[1] == '1';
    menu.texts.push_back(std::move(t));
    return true;
}

bool MenuDataParser::readShape(MenuModel &menu)
{
    ++m_pos;
    menu.shape.clear();
    while (true) {
        std::string_view x;
        if (!next(x))
            return false;
        if (x == menuformat::kShapeEnd)
            return true;
        std::string_view y;
        if (!next(y))
            return false;
        if (!startsWith(x, "X=") || !startsWith(y, "Y="))
            return fail("sommet de forme incorrect au champ " + std::to_string(m_pos));
        MenuModel::Point p;
        const std::string_view xs = trimmed(x.substr(2));
        const std::string_view ys = trimmed(y.substr(2));
        const auto rx = std::from_chars(xs.data(), xs.data() + xs.size(), p.x);
        const auto ry = std::from_chars(ys.data(), ys.data() + ys.size(), p.y);
        if (xs.empty() || ys.empty() || rx.ec != std::errc() || ry.ec != std::errc() ||
            rx.ptr != xs.data() + xs.size() || ry.ptr != ys.data() + ys.size())
            return fail("sommet de forme incorrect au champ " + std::to_string(m_pos));
        menu.shape.push_back(p);
    }
}
