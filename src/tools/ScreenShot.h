#pragma once
#include "platform/Files.h"
#include "platform/Screen.h"
#include <string>

namespace vx {

// Whether a screenshot of this name is written as PNG: the name ends in ".png", in any case.
bool isPngName(const std::wstring& path);

// Captures the whole primary screen, puts it on the clipboard as a bitmap and writes it as a
// file, replacing the file only with a complete one: PNG for a name ending in ".png", BMP for
// every other name. The clipboard gets the picture also when the file cannot be written; a
// clipboard that another program holds is passed over. A file that cannot be created raises
// "Cannot create file <path>".
void saveScreenShot(platform::Screen& screen, platform::Files& files, const std::wstring& path);

} // namespace vx
