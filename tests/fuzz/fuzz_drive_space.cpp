// Any pair of 64-bit byte counts through the drive dialog's free-space text: the position stays
// within 0..100 and the text keeps its form.
#include "folders/DriveSpace.h"
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 16)
        return 0;
    std::int64_t free = 0, total = 0;
    std::memcpy(&free, data, 8);
    std::memcpy(&total, data + 8, 8);
    auto view = vx::driveSpaceView(free, total);
    if (free >= 0 && total > 0 && free <= total && (view.position < 0 || view.position > 100))
        __builtin_trap();
    if (view.hint.rfind(L"Свободно ", 0) != 0 || view.hint.find(L" из ") == std::wstring::npos)
        __builtin_trap();
    return 0;
}
