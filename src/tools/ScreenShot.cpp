#include "tools/ScreenShot.h"
#include "platform/Error.h"
#include "tools/Bmp.h"

namespace vx {

bool isPngName(const std::wstring& path) {
    constexpr std::wstring_view Png = L".png";
    if (path.size() < Png.size())
        return false;
    for (std::size_t i = 0; i < Png.size(); ++i) {
        wchar_t c = path[path.size() - Png.size() + i];
        if (c >= L'A' && c <= L'Z')
            c = wchar_t(c - L'A' + L'a');
        if (c != Png[i])
            return false;
    }
    return true;
}

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
