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

// The entries a playlist yields, display text and stored path index for index. The texts stand
// in one block, each ended by a null character: a long playlist is read without a heap block
// per text, and a list box takes each text as it stands.
class Entries {
  public:
    std::size_t size() const { return paths_.size(); }
    std::wstring_view title(std::size_t i) const { return view(titles_.at(i)); }
    std::wstring_view path(std::size_t i) const { return view(paths_.at(i)); }
    // Each text as a null-terminated string (a text with a null character in it ends there).
    std::vector<const wchar_t*> titleTexts() const { return pointers(titles_); }
    std::vector<const wchar_t*> pathTexts() const { return pointers(paths_); }
    // Copies, for whoever keeps the texts beyond the entries.
    std::vector<std::wstring> titles() const { return copies(titles_); }
    std::vector<std::wstring> paths() const { return copies(paths_); }

    // Building: a text is appended to the block and then ended as a title or as a path.
    void reserve(std::size_t entries, std::size_t chars);
    std::wstring& text() { return text_; }
    void endTitle(std::size_t start);
    void endPath(std::size_t start);
    void dropLastTitle() { titles_.pop_back(); }

  private:
    // Offsets of 32 bits: half the memory of a long list's offsets, and room for texts of up to
    // four thousand million characters (a longer playlist is refused).
    struct Span {
        std::uint32_t start;
        std::uint32_t length;
    };
    // The text from `start` to the block's end, ended by a null character.
    Span spanFrom(std::size_t start);
    std::wstring_view view(const Span& s) const { return std::wstring_view(text_).substr(s.start, s.length); }
    std::vector<const wchar_t*> pointers(const std::vector<Span>& spans) const;
    std::vector<std::wstring> copies(const std::vector<Span>& spans) const;

    std::wstring text_;
    std::vector<Span> titles_;
    std::vector<Span> paths_;
};

// The text of a playlist file: UTF-8 when it starts with the byte-order mark (which is dropped),
// when its name ends in ".m3u8" or when its bytes are well-formed UTF-8 with a character beyond
// ASCII; otherwise the system's ANSI code page, or its legacy one where the ANSI code page is
// UTF-8 (the list was written before the system was switched to it).
std::wstring decode(const std::vector<std::uint8_t>& bytes, const std::wstring& playlistName,
                    platform::System& system);

// The entries of a playlist's text. `playlistName` is the file it was read from: a line that
// begins with a single "\" or "/" gets its drive, a relative line its folder. A path line
// without a title shows its file name, after its last "\", "/" or ":".
Entries parse(std::wstring_view text, const std::wstring& playlistName);

// Where a path line of the playlist `playlistName` points.
std::wstring resolve(std::wstring_view line, const std::wstring& playlistName);

// The entries of a playlist file's bytes, decoded as `decode` does.
Entries read(const std::vector<std::uint8_t>& bytes, const std::wstring& playlistName, platform::System& system);

// The bytes of the playlist `playlistName`: each path and CR LF, in the ANSI code page; as UTF-8
// with a byte-order mark when some path cannot be written in ANSI, or when the ANSI bytes would
// read back as UTF-8 text of other letters; as UTF-8 without a mark under a ".m3u8" name.
std::vector<std::uint8_t> encode(const std::vector<std::wstring>& paths,
                                 const std::wstring& playlistName, platform::System& system);

// True when a name's extension (from its last "." after its last "\" or ":") names a playlist:
// ".m3u" or ".m3u8", exactly in this case.
bool isPlaylistName(const std::wstring& name);

} // namespace vx::m3u
