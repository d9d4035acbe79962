#pragma once

#include "vbscript/Variant.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace vbs {

class Interpreter;

using BuiltinFn = Variant (*)(Interpreter &interp, std::span<Variant> args);

struct BuiltinInfo
{
    const char16_t *name;
    int minArgs;
    int maxArgs;
    BuiltinFn fn;
};

// The built-in functions, one table per family.
std::span<const BuiltinInfo> stringBuiltins();
std::span<const BuiltinInfo> conversionBuiltins();
std::span<const BuiltinInfo> mathBuiltins();
std::span<const BuiltinInfo> dateBuiltins();
std::span<const BuiltinInfo> arrayBuiltins();
std::span<const BuiltinInfo> hostBuiltins();
std::span<const BuiltinInfo> scriptBuiltins();
std::span<const BuiltinInfo> formatBuiltins();
std::span<const BuiltinInfo> encodingBuiltins();
// The vb… constants.
std::vector<std::pair<std::u16string, Variant>> builtinConstants();

// Helpers shared by the families.
namespace builtin {
bool present(std::span<Variant> args, size_t index); // given and not Empty
int32_t longArg(std::span<Variant> args, size_t index, int32_t fallback);
std::u16string textArg(Interpreter &interp, const Variant &value);
bool textCompareArg(std::span<Variant> args, size_t index);
// InStr's and InStrB's arguments: an optional start, the two texts and the compare mode;
// nothing when either text is Null.
struct SearchArgs
{
    int32_t start = 1;
    std::u16string hay, needle;
    bool textCompare = false;
};
std::optional<SearchArgs> searchArgs(Interpreter &interp, std::span<Variant> args);
Variant makeArray(Interpreter &interp, std::vector<Variant> items);
} // namespace builtin

} // namespace vbs
