#pragma once
#include "platform/Files.h"
#include "platform/Screen.h"
#include <string>

namespace vx {

// Captures the whole primary screen and writes it as a BMP file, replacing the file only with a
// complete one. A file that cannot be created raises "Cannot create file <path>".
void saveScreenShot(platform::Screen& screen, platform::Files& files, const std::wstring& path);

} // namespace vx
