#pragma once
#include <string>
#include <string_view>

namespace vx {

// The file a playlist entry names. Entries written as file URIs, as many players write them
// ("file:///C:/Music/%D0%9F%D0%B5%D1%81%D0%BD%D1%8F.flac", the name percent-encoded in UTF-8),
// become Windows paths ("C:\Music\Песня.flac"; "file://server/share/a.mp3" becomes
// "\\server\share\a.mp3"); every other entry is returned as it is.
std::wstring fileOfEntry(const std::wstring& entry);
// Whether an entry is written as a file URI.
bool isFileUri(std::wstring_view entry);

} // namespace vx
