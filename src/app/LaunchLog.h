#pragma once
#include "platform/Files.h"
#include "platform/System.h"
#include <string>

namespace vx {

// Appends the start time to "WinStart.txt" in the program's folder; the first start also
// writes the header line. Raises vx::IoError when the file cannot be written.
void writeLaunchLog(platform::Files& files, platform::System& system, const std::wstring& folder);

// The header line's text in Windows-1251 and the date line in the ANSI code page, with CR LF.
std::string launchLogHeader();
std::string launchLogLine(platform::System& system, const platform::LocalTime& now);

} // namespace vx
