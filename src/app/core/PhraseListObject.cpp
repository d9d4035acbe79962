#include "app/core/PhraseListObject.h"

#include "vbscript/Conversion.h"

namespace {

QString textOf(const vbs::Variant &value)
{
    return QString::fromStdU16String(vbs::conv::toString(vbs::conv::scalar(value), vbs::Language::English));
}

int indexOf(const QStringList &items, const vbs::Variant &value, bool end)
{
    const int index = vbs::conv::toLong(vbs::conv::scalar(value));
    if (index < 0 || index > items.size() - (end ? 0 : 1))
        throw vbs::ScriptError(381);
    return index;
}

} // namespace

std::optional<vbs::Variant> PhraseListObject::invokeList(QStringList &items, std::u16string_view name,
                                                         vbs::Invoke kind, std::span<vbs::Variant> args)
{
    if (name == u"additem") {
        if (args.empty())
            throw vbs::ScriptError(450);
        const bool at = args.size() > 1 && !args[1].isMissing();
        items.insert(at ? indexOf(items, args[1], true) : items.size(), textOf(args[0]));
        return vbs::Variant();
    }
    if (name == u"removeitem") {
        if (args.empty())
            throw vbs::ScriptError(450);
        items.removeAt(indexOf(items, args[0], false));
        return vbs::Variant();
    }
    if (name == u"clear") {
        items.clear();
        return vbs::Variant();
    }
    if (name == u"listcount")
        return vbs::Variant::longValue(int32_t(items.size()));
    if (name == u"list") {
        if (args.empty())
            throw vbs::ScriptError(450);
        const int index = indexOf(items, args[0], false);
        if (kind == vbs::Invoke::Let) {
            if (args.size() < 2)
                throw vbs::ScriptError(450);
            items[index] = textOf(args[1]);
            return vbs::Variant();
        }
        return vbs::Variant::string(items[index].toStdU16String());
    }
    return std::nullopt;
}

vbs::Variant PhraseListObject::invoke(std::u16string_view name, vbs::Invoke kind, std::span<vbs::Variant> args)
{
    if (auto result = invokeList(m_items, name, kind, args))
        return *result;
    throw vbs::ScriptError(438);
}
