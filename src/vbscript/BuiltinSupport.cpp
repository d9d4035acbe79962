#include "vbscript/Builtins.h"

#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"

namespace vbs::builtin {

bool present(std::span<Variant> args, size_t index)
{
    return index < args.size() && !args[index].isEmpty() && !args[index].isMissing();
}

int32_t longArg(std::span<Variant> args, size_t index, int32_t fallback)
{
    return present(args, index) ? conv::toLong(args[index]) : fallback;
}

std::u16string textArg(Interpreter &interp, const Variant &value)
{
    return value.isString() ? value.stringValue() : conv::toString(value, interp.language());
}

std::optional<SearchArgs> searchArgs(Interpreter &interp, std::span<Variant> args)
{
    SearchArgs search;
    size_t first = 0;
    if (args.size() >= 3) {
        if (args[0].isNull())
            throw ScriptError(errors::InvalidNull);
        search.start = conv::toLong(args[0]);
        if (search.start < 1)
            throw ScriptError(errors::InvalidCall);
        first = 1;
    }
    if (args[first].isNull() || args[first + 1].isNull())
        return std::nullopt;
    search.hay = textArg(interp, args[first]);
    search.needle = textArg(interp, args[first + 1]);
    search.textCompare = textCompareArg(args, first + 2);
    return search;
}

bool textCompareArg(std::span<Variant> args, size_t index)
{
    if (index >= args.size() || args[index].isMissing())
        return false;
    if (args[index].isNull())
        throw ScriptError(errors::InvalidNull);
    const int32_t compare = conv::toLong(args[index]);
    if (compare != 0 && compare != 1)
        throw ScriptError(errors::InvalidCall);
    return compare == 1;
}

Variant makeArray(Interpreter &interp, std::vector<Variant> items)
{
    interp.checkArray(items.size());
    auto array = std::make_shared<Array>();
    array->upper.push_back(int32_t(items.size()) - 1);
    array->data = std::move(items);
    return Variant::array(std::move(array));
}

} // namespace vbs::builtin

namespace vbs {

std::vector<std::pair<std::u16string, Variant>> builtinConstants()
{
    auto i = [](int v) { return Variant::fromInteger(v); };
    auto s = [](std::u16string v) { return Variant::string(std::move(v)); };
    return {
        {u"vbCrLf", s(u"\r\n")},
        {u"vbCr", s(u"\r")},
        {u"vbLf", s(u"\n")},
        {u"vbNewLine", s(u"\r\n")},
        {u"vbTab", s(u"\t")},
        {u"vbNullString", s(u"")},
        {u"vbNullChar", s(std::u16string(1, u'\0'))},
        {u"vbFormFeed", s(u"\f")},
        {u"vbVerticalTab", s(u"\v")},
        {u"vbBack", s(u"\b")},
        {u"vbTrue", i(-1)},
        {u"vbFalse", i(0)},
        {u"vbUseDefault", i(-2)},
        {u"vbBinaryCompare", i(0)},
        {u"vbTextCompare", i(1)},
        {u"vbDatabaseCompare", i(2)},
        {u"vbOKOnly", i(0)},
        {u"vbOKCancel", i(1)},
        {u"vbAbortRetryIgnore", i(2)},
        {u"vbYesNoCancel", i(3)},
        {u"vbYesNo", i(4)},
        {u"vbRetryCancel", i(5)},
        {u"vbCritical", i(16)},
        {u"vbQuestion", i(32)},
        {u"vbExclamation", i(48)},
        {u"vbInformation", i(64)},
        {u"vbDefaultButton1", i(0)},
        {u"vbDefaultButton2", i(256)},
        {u"vbDefaultButton3", i(512)},
        {u"vbDefaultButton4", i(768)},
        {u"vbApplicationModal", i(0)},
        {u"vbSystemModal", i(4096)},
        {u"vbMsgBoxHelpButton", i(16384)},
        {u"vbMsgBoxSetForeground", Variant::longValue(65536)},
        {u"vbMsgBoxRight", Variant::longValue(524288)},
        {u"vbMsgBoxRtlReading", Variant::longValue(1048576)},
        {u"vbOK", i(1)},
        {u"vbCancel", i(2)},
        {u"vbAbort", i(3)},
        {u"vbRetry", i(4)},
        {u"vbIgnore", i(5)},
        {u"vbYes", i(6)},
        {u"vbNo", i(7)},
        {u"vbEmpty", i(0)},
        {u"vbNull", i(1)},
        {u"vbInteger", i(2)},
        {u"vbLong", i(3)},
        {u"vbSingle", i(4)},
        {u"vbDouble", i(5)},
        {u"vbCurrency", i(6)},
        {u"vbDate", i(7)},
        {u"vbString", i(8)},
        {u"vbObject", i(9)},
        {u"vbError", i(10)},
        {u"vbBoolean", i(11)},
        {u"vbVariant", i(12)},
        {u"vbDataObject", i(13)},
        {u"vbDecimal", i(14)},
        {u"vbByte", i(17)},
        {u"vbArray", i(8192)},
        {u"vbUseSystemDayOfWeek", i(0)},
        {u"vbSunday", i(1)},
        {u"vbMonday", i(2)},
        {u"vbTuesday", i(3)},
        {u"vbWednesday", i(4)},
        {u"vbThursday", i(5)},
        {u"vbFriday", i(6)},
        {u"vbSaturday", i(7)},
        {u"vbUseSystem", i(0)},
        {u"vbFirstJan1", i(1)},
        {u"vbFirstFourDays", i(2)},
        {u"vbFirstFullWeek", i(3)},
        {u"vbGeneralDate", i(0)},
        {u"vbLongDate", i(1)},
        {u"vbShortDate", i(2)},
        {u"vbLongTime", i(3)},
        {u"vbShortTime", i(4)},
        {u"vbObjectError", Variant::longValue(int32_t(0x80040000u))},
        {u"vbBlack", Variant::longValue(0)},
        {u"vbRed", Variant::longValue(0xFF)},
        {u"vbGreen", Variant::longValue(0xFF00)},
        {u"vbYellow", Variant::longValue(0xFFFF)},
        {u"vbBlue", Variant::longValue(0xFF0000)},
        {u"vbMagenta", Variant::longValue(0xFF00FF)},
        {u"vbCyan", Variant::longValue(0xFFFF00)},
        {u"vbWhite", Variant::longValue(0xFFFFFF)},
    };
}

} // namespace vbs
