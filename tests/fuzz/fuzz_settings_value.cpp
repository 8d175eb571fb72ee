// Arbitrary registry bytes and types through the settings store's value decoding: it must
// either decode or raise the program's error, never read outside the data.
#include "platform/Error.h"
#include "settings/RegistryObject.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    vx::platform::RegValue value;
    value.type = data[0] % 12;
    value.data.assign(data + 1, data + size);
    try {
        std::wstring text = vx::regvalue::decodeString(L"Drive", &value);
        // What was decoded encodes back to a prefix of the data's text.
        auto again = vx::regvalue::encodeString(text);
        if (again.data.size() > value.data.size() + 2)
            __builtin_trap();
    } catch (const vx::Error&) {
    }
    try {
        vx::regvalue::decodeBool(L"AutoRun", &value);
    } catch (const vx::Error&) {
    }
    return 0;
}
