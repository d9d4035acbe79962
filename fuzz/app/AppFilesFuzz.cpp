// Any bytes as an options file or an appearance file: no crash, and what is read
// writes back to a file that reads the same.
#include "app/core/AppearanceFile.h"
#include "app/core/OptionsFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const Options current;
    const OptionsFile::Reading reading = OptionsFile::parse(bytes, current, size % 2 == 0);
    const QByteArray written = OptionsFile::serialize(reading.options);
    if (!(OptionsFile::parse(written, current, false).options == reading.options))
        std::abort();

    const QList<Appearance> list = AppearanceFile::parse(bytes, Appearance());
    if (list.isEmpty() || list.size() > AppearanceFile::kMaxStored + 1)
        std::abort();
    for (const Appearance &a : list)
        (void)AppearanceFile::block(a);
    return 0;
}
