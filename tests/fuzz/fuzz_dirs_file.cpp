// Arbitrary bytes as a "Dirs.vxl": reading takes whole records only, never reads past a record,
// and what was read writes back to the same number of whole records with the same texts.
#include "folders/DirsFile.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    auto entries = vx::dirsfile::decode(bytes);
    if (entries.size() != size / vx::dirsfile::RecordSize)
        __builtin_trap();
    for (const auto& e : entries)
        if (e.size() > vx::dirsfile::TextSize)
            __builtin_trap();
    auto again = vx::dirsfile::encode(entries);
    if (again.size() != entries.size() * vx::dirsfile::RecordSize || vx::dirsfile::decode(again) != entries)
        __builtin_trap();
    return 0;
}
