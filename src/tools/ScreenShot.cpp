#include "tools/ScreenShot.h"
#include "platform/Error.h"
#include "tools/Bmp.h"

namespace vx {

void saveScreenShot(platform::Screen& screen, platform::Files& files, const std::wstring& path) {
    const auto bytes = bmp::fileBytes(screen.capture());
    try {
        files.writeAll(path, bytes);
    } catch (const FileCreateError&) {
        throw CannotCreateFile(path);
    }
}

} // namespace vx
