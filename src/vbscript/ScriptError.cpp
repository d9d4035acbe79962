#include "vbscript/ScriptError.h"

namespace vbs {

ScriptError::ScriptError(int number, std::u16string description, std::u16string source)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source))
{
}

} // namespace vbs
