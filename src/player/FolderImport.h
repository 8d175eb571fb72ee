#pragma once
#include "platform/Files.h"
#include <functional>
#include <string>
#include <vector>

namespace vx {

// The extensions the folder import takes, without the dot, compared exactly and in this case.
inline constexpr const wchar_t* MediaExtensions[] = {L"mp1", L"mp2", L"mp3", L"mp4", L"wma", L"mid",
                                                     L"mid", L"wav", L"mov", L"cda", L"ogg", L"mpg",
                                                     L"avi", L"mpe", L"m4a", L"aac", L"oga"};
// Extensions of four letters, compared whole.
inline constexpr const wchar_t* LongMediaExtensions[] = {L"flac", L"opus"};

// Whether a folder entry's name counts as media: its extension (from the last ".") cut to four
// characters must be "." and one of MediaExtensions, so "tune.midi" and "movie.mpeg" count
// and "SONG.MP3" does not; or the whole extension is one of LongMediaExtensions.
bool isMediaName(const std::wstring& name);

struct FoundMedia {
    std::vector<std::wstring> titles; // the names, for the display list
    std::vector<std::wstring> paths;  // folder + "\" + name, for the path list
    bool cancelled = false;           // the walk stopped early: only part of the tree is in
};

// The media entries directly in `folder` (subfolders are judged by their names like files), in
// the order the file system gives them. A drive root such as "C:\" is joined without a second
// backslash; an empty folder (no selection, or a folder with no file-system path) finds nothing.
FoundMedia findMedia(platform::Files& files, std::wstring folder);

// The same for `folder` and the folders below it, depth first: a folder's own entries as
// findMedia takes them, then each of its subfolders, in name order, walked the same way.
// Junctions and symbolic links are not entered, so the walk cannot loop, and neither are folders
// both hidden and system; a cloud provider's folders (reparse points too) are. `cancelled` is
// asked before each folder is read; once it says yes the walk ends with what it has found.
FoundMedia findMediaTree(platform::Files& files, std::wstring folder, const std::function<bool()>& cancelled);

// The order of folder names in the walk: letter by letter, capital and small Latin and Cyrillic
// letters alike, otherwise by character code.
bool folderNameLess(const std::wstring& a, const std::wstring& b);

} // namespace vx
