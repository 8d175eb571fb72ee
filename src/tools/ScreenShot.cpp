#include "tools/ScreenShot.h"
#include "app/Paths.h"
#include "platform/Error.h"
#include "tools/Bmp.h"

namespace vx {

bool isPngName(const std::wstring& path) { return paths::endsWithNoCase(path, L".png"); }

void saveScreenShot(platform::Screen& screen, platform::Files& files, const std::wstring& path) {
    const platform::Image image = screen.capture();
    const auto bmpBytes = bmp::fileBytes(image);
    screen.copyToClipboard(bmp::packedDib(bmpBytes));
    try {
        files.writeAll(path, isPngName(path) ? screen.encodePng(image) : bmpBytes);
    } catch (const FileCreateError&) {
        throw CannotCreateFile(path);
    }
}

} // namespace vx
