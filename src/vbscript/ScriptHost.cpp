#include "vbscript/ScriptHost.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/HostObject.h"
#include "vbscript/ScriptError.h"

namespace vbs {

int ScriptHost::msgBox(const std::u16string &, int, const std::u16string &)
{
    return 1;
}

std::u16string ScriptHost::inputBox(const std::u16string &, const std::u16string &, const std::u16string &)
{
    return {};
}

std::shared_ptr<HostObject> ScriptHost::createObject(const std::u16string &)
{
    return nullptr;
}

Variant ScriptHost::loadPicture(const std::u16string &)
{
    throw ScriptError(481);
}

} // namespace vbs
