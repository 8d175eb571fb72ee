#pragma once
#include "platform/System.h"
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx::m3u {

constexpr std::wstring_view Header = L"#EXTM3U";

// The title of a "#" line: all after its first ","; without one, the line minus its first
// character.
std::wstring GetTitle(std::wstring_view line);

// The entries a playlist yields, display text and stored path index for index.
struct Entries {
    std::vector<std::wstring> titles;
    std::vector<std::wstring> paths;
};

// The text of a playlist file: UTF-8 when it starts with the byte-order mark (which is dropped)
// or when its name ends in ".m3u8", otherwise the system's ANSI code page.
std::wstring decode(const std::vector<std::uint8_t>& bytes, const std::wstring& playlistName,
                    platform::System& system);

// The entries of a playlist's text. `playlistName` is the file it was read from: a line that
// begins with a single "\" gets its drive, a relative line its folder.
Entries parse(std::wstring_view text, const std::wstring& playlistName);

// Where a path line of the playlist `playlistName` points.
std::wstring resolve(std::wstring_view line, const std::wstring& playlistName);

// The entries of a playlist file's bytes, decoded as `decode` does.
Entries read(const std::vector<std::uint8_t>& bytes, const std::wstring& playlistName, platform::System& system);

// The bytes of a saved playlist: each path and CR LF, in the ANSI code page; as UTF-8 with a
// byte-order mark when some path cannot be written in ANSI.
std::vector<std::uint8_t> encode(const std::vector<std::wstring>& paths, platform::System& system);

// True when a name's extension (from its last "." after its last "\" or ":") names a playlist:
// ".m3u" or ".m3u8", exactly in this case.
bool isPlaylistName(const std::wstring& name);

} // namespace vx::m3u
