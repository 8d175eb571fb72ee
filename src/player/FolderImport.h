#pragma once
#include "platform/Files.h"
#include <string>
#include <vector>

namespace vx {

// The extensions the folder import takes, without the dot, compared exactly and in this case.
inline constexpr const wchar_t* MediaExtensions[] = {L"mp1", L"mp2", L"mp3", L"mp4", L"wma", L"mid", L"mid",
                                                     L"wav", L"mov", L"cda", L"ogg", L"mpg", L"avi", L"mpe"};

// Whether a folder entry's name counts as media: its extension (from the last ".") cut to four
// characters must be "." and one of MediaExtensions, so "tune.midi" and "movie.mpeg" count
// and "SONG.MP3" does not.
bool isMediaName(const std::wstring& name);

struct FoundMedia {
    std::vector<std::wstring> titles; // the names, for the display list
    std::vector<std::wstring> paths;  // folder + "\" + name, for the path list
};

// The media entries directly in `folder` (subfolders are judged by their names like files), in
// the order the file system gives them. A drive root such as "C:\" is joined without a second
// backslash; an empty folder (no selection, or a folder with no file-system path) finds nothing.
FoundMedia findMedia(platform::Files& files, std::wstring folder);

} // namespace vx
