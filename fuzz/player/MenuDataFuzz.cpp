#include "player/core/MenuDataParser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The input is tried both as a whole player file and as a data block on its own, so
// the fuzzer need not find the marker before it reaches the fields.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    MenuModel menu;
    MenuDataParser parser;
    parser.parseFile(bytes, menu);
    parser.parse(bytes, menu);
    return 0;
}
