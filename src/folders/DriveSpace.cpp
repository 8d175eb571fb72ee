#include "folders/DriveSpace.h"
#include <cmath>

namespace vx {

namespace {

constexpr std::int64_t KiB = 1024;
constexpr std::int64_t MiB = 1048576;

// Rounds to the nearest integer, an exact half to the even neighbour, whatever the
// floating-point rounding mode is.
double roundHalfEven(double x) {
    const double down = std::floor(x);
    const double rest = x - down;
    if (rest > 0.5)
        return down + 1;
    if (rest < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

int usedPercent(std::int64_t free, std::int64_t total) {
    if (total == 0)
        return 0;
    const double used = roundHalfEven(100.0 - double(free) * 100.0 / double(total));
    // The bar's range is 0 to 100; odd figures (free above total) stay inside it.
    if (!(used > 0))
        return 0;
    return used >= 100 ? 100 : int(used);
}

} // namespace

DriveSpaceView driveSpaceView(std::int64_t free, std::int64_t total) {
    std::int64_t divisor = 1;
    const wchar_t* unit = L"Б";
    if (free > 10 * MiB) {
        divisor = MiB;
        unit = L"МБ";
    } else if (free > 10 * KiB) {
        divisor = KiB;
        unit = L"КБ";
    }
    DriveSpaceView view;
    view.position = usedPercent(free, total);
    view.hint = L"Свободно " + std::to_wstring(free / divisor) + unit + L" из " + std::to_wstring(total / divisor) + unit;
    return view;
}

} // namespace vx
