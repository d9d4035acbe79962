#include "player/core/PlayerLocale.h"

#include "player/core/Utf16Text.h"

namespace playerlocale {

const vbs::Locale &fromId(std::int32_t lcid)
{
    const vbs::Locale *locale = vbs::Locale::find(lcid);
    return locale ? *locale : vbs::Locale::standard(vbs::Language::French);
}

std::int32_t idOfPosixName(std::string_view name)
{
    name = name.substr(0, name.find_first_of(".@"));
    const vbs::Locale *locale = name.empty() ? nullptr : vbs::Locale::find(utf16text::fromUtf8(name));
    return locale ? locale->lcid : 0;
}

} // namespace playerlocale
