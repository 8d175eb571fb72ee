#include "player/M3u.h"
#include "app/AnsiText.h"
#include "app/Paths.h"
#include "player/Utf8.h"
#include <cstring>
#include <stdexcept>

namespace vx::m3u {

namespace {

// "\\server\share" of a network path, or the empty text.
std::wstring shareRoot(const std::wstring& path) {
    if (path.size() < 3 || path[0] != L'\\' || path[1] != L'\\')
        return {};
    auto server = path.find(L'\\', 2);
    if (server == std::wstring::npos)
        return {};
    auto share = path.find(L'\\', server + 1);
    return path.substr(0, share);
}

// "\" and "/" both separate the parts of a path; a line written with "/" (as players on other
// systems write them) is rooted or a network path just as one written with "\".
template <class Char> bool isSlash(Char c) {
    return c == Char('\\') || c == Char('/');
}

// Whether a playlist's bytes are UTF-8: after a byte-order mark (dropped from `raw`), by the
// name ".m3u8", or because they are well-formed UTF-8 with a character beyond ASCII, as other
// players write their playlists without a mark.
bool isUtf8(std::string_view& raw, const std::wstring& playlistName) {
    if (raw.substr(0, utf8::Bom.size()) == utf8::Bom) {
        raw.remove_prefix(utf8::Bom.size());
        return true;
    }
    return paths::endsWithNoCase(playlistName, L".m3u8") || utf8::isMultiByteText(raw);
}

// The code page of a playlist that is not UTF-8: the ANSI code page; where that is UTF-8 (65001),
// the system's legacy one, in which a list written before the switch stands (decoded as UTF-8
// its letters would become U+FFFD, and the next save would write those over the good list).
unsigned listCodePage(platform::System& system) {
    const unsigned ansi = system.ansiCodePage();
    const unsigned legacy = ansi == 65001 ? system.legacyAnsiCodePage() : 0;
    return legacy ? legacy : ansi;
}

// Whether ANSI bytes would read back as other text: the reader takes them for UTF-8 when they
// begin with the byte-order mark (which it drops) or are well-formed UTF-8 beyond ASCII.
bool misreadAsUtf8(std::string_view ansi, std::wstring_view text) {
    if (ansi.substr(0, utf8::Bom.size()) == utf8::Bom)
        return true;
    return utf8::isMultiByteText(ansi) && utf8::decode(ansi) != text;
}

} // namespace

void Entries::reserve(std::size_t entries, std::size_t chars) {
    titles_.reserve(entries);
    paths_.reserve(entries);
    text_.reserve(chars);
}

Entries::Span Entries::spanFrom(std::size_t start) {
    if (text_.size() > UINT32_MAX)
        throw std::length_error("The playlist is too long");
    const Span span{std::uint32_t(start), std::uint32_t(text_.size() - start)};
    text_.push_back(L'\0');
    return span;
}

void Entries::endTitle(std::size_t start) { titles_.push_back(spanFrom(start)); }

void Entries::endPath(std::size_t start) { paths_.push_back(spanFrom(start)); }

std::vector<const wchar_t*> Entries::pointers(const std::vector<Span>& spans) const {
    std::vector<const wchar_t*> out;
    out.reserve(spans.size());
    for (const auto& s : spans)
        out.push_back(text_.c_str() + s.start);
    return out;
}

std::vector<std::wstring> Entries::copies(const std::vector<Span>& spans) const {
    std::vector<std::wstring> out;
    out.reserve(spans.size());
    for (const auto& s : spans)
        out.emplace_back(view(s));
    return out;
}

std::wstring GetTitle(std::wstring_view line) {
    auto comma = line.find(L',');
    if (comma != std::wstring_view::npos)
        return std::wstring(line.substr(comma + 1));
    return line.empty() ? std::wstring() : std::wstring(line.substr(1));
}

std::wstring decode(const std::vector<std::uint8_t>& bytes, const std::wstring& playlistName,
                    platform::System& system) {
    std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (isUtf8(raw, playlistName))
        return utf8::decode(raw);
    return system.fromCodePage(listCodePage(system), std::string(raw));
}

std::wstring resolve(std::wstring_view line, const std::wstring& playlistName) {
    if (line.size() >= 2 && isSlash(line[0]) && isSlash(line[1]))
        return std::wstring(line); // a network path stands by itself
    if (!line.empty() && isSlash(line[0])) {
        // Rooted on the playlist's drive (or share).
        std::wstring root = shareRoot(playlistName);
        if (root.empty() && !playlistName.empty())
            root = std::wstring(1, playlistName[0]) + L":";
        return root + std::wstring(line);
    }
    // A drive, or a URL. A path line that begins with "#" (it follows a title) is relative even
    // with a ":" in it: stored as written it would read back as a title after a save.
    if (line.find(L':') != std::wstring_view::npos && line[0] != L'#')
        return std::wstring(line);
    return paths::folderOf(playlistName) + std::wstring(line);
}

namespace {

// Decodes single-byte text through its code page's table. Where the code page keeps ASCII as
// it is (all Windows code pages do), eight bytes without a high bit are widened as they stand:
// a loop the compiler turns into vector code, several times faster than the table.
void widen(std::string_view bytes, wchar_t* out, const wchar_t (&table)[256], bool asciiKept) {
    std::size_t i = 0;
    if (asciiKept) {
        for (; i + 8 <= bytes.size(); i += 8) {
            std::uint64_t eight;
            std::memcpy(&eight, bytes.data() + i, 8);
            if (eight & 0x8080808080808080ull) {
                for (std::size_t k = i; k < i + 8; ++k)
                    out[k] = table[static_cast<unsigned char>(bytes[k])];
            } else {
                for (std::size_t k = i; k < i + 8; ++k)
                    out[k] = wchar_t(static_cast<unsigned char>(bytes[k]));
            }
        }
    }
    for (; i < bytes.size(); ++i)
        out[i] = table[static_cast<unsigned char>(bytes[i])];
}

// Where the byte `c` first stands in `text` from `from` on, or npos. Eight bytes are looked at
// together (a zero byte of their XOR with `c` repeated): the C runtime's search goes a byte at a
// time under Wine, and a playlist is mostly the search for the next line end.
std::size_t findByte(std::string_view text, std::size_t from, char c) {
    constexpr std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
    const std::uint64_t repeated = ones * static_cast<unsigned char>(c);
    std::size_t i = from;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t eight;
        std::memcpy(&eight, text.data() + i, 8);
        const std::uint64_t x = eight ^ repeated;
        if ((x - ones) & ~x & highs)
            break; // `c` is among these eight
    }
    for (; i < text.size(); ++i)
        if (text[i] == c)
            return i;
    return std::string_view::npos;
}

// One pass over the lines of `text` (bytes or UTF-16 units): `field` appends a part of a line,
// decoded, to a text. Lines end with LF or CR LF; '\n', '\r', '#', ',', '\\', '/' and ':' are
// single units in every encoding read here, so the lines can be cut before they are decoded.
template <class Char, class Field>
Entries parseLines(std::basic_string_view<Char> text, const std::wstring& playlistName, Field field) {
    using View = std::basic_string_view<Char>;
    Entries out;
    // Every entry takes at least one line: room for as many entries as there are lines, and for
    // the texts as long as the file and a null character a line.
    std::size_t lines = 1;
    for (Char c : text)
        lines += c == Char('\n');
    out.reserve(lines, text.size() + lines);
    std::wstring& block = out.text();
    auto addTitle = [&](View part) {
        const std::size_t at = block.size();
        field(part, block);
        out.endTitle(at);
    };
    const Char header[] = {'#', 'E', 'X', 'T', 'M', '3', 'U'};
    bool first = true;
    bool titlePending = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end;
        if constexpr (sizeof(Char) == 1)
            end = findByte(text, start, '\n');
        else
            end = text.find(Char('\n'), start);
        std::size_t next = end == View::npos ? text.size() : end + 1;
        if (end == View::npos)
            end = text.size();
        else if (end > start && text[end - 1] == Char('\r'))
            --end;
        View line = text.substr(start, end - start);
        start = next;

        const bool isFirst = first;
        first = false;
        if (line.empty())
            continue;
        if (isFirst && line == View(header, 7))
            continue;
        if (line[0] == Char('#') && !titlePending) {
            // The title: all after the first ",", or the line without its "#".
            auto comma = line.find(Char(','));
            addTitle(comma == View::npos ? line.substr(1) : line.substr(comma + 1));
            titlePending = true;
            continue;
        }
        if (!titlePending) {
            const Char separators[] = {'\\', '/', ':'};
            const auto cut = line.find_last_of(View(separators, 3));
            addTitle(cut == View::npos ? line : line.substr(cut + 1));
        }
        const bool asWritten = line.size() >= 2 && isSlash(line[0]) && isSlash(line[1]);
        const bool complete = asWritten || (!isSlash(line[0]) && line[0] != Char('#') &&
                                            line.find(Char(':')) != View::npos);
        const std::size_t at = block.size();
        if (complete) {
            field(line, block);
        } else {
            std::wstring written;
            field(line, written);
            block += resolve(written, playlistName);
        }
        out.endPath(at);
        titlePending = false;
    }
    // A title with no path line after it names no entry.
    if (titlePending)
        out.dropLastTitle();
    return out;
}

} // namespace

Entries parse(std::wstring_view text, const std::wstring& playlistName) {
    return parseLines(text, playlistName, [](std::wstring_view v, std::wstring& to) { to += v; });
}

Entries read(const std::vector<std::uint8_t>& bytes, const std::wstring& playlistName, platform::System& system) {
    std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (isUtf8(raw, playlistName))
        return parseLines(raw, playlistName, [](std::string_view v, std::wstring& to) { to += utf8::decode(v); });
    // A code page of more than one byte a character (UTF-8, or a Chinese, Japanese or Korean
    // one) is decoded as a whole first: its second bytes can look like "\\", and as each lone
    // byte decodes to some character (U+FFFD, "?", "・"), the 256 bytes alone cannot tell it.
    const unsigned codePage = listCodePage(system);
    if (system.isMultiByte(codePage))
        return parse(system.fromCodePage(codePage, std::string(raw)), playlistName);
    // A single-byte code page decodes through a table of its 256 characters.
    wchar_t table[256];
    bool asciiKept = true;
    for (int b = 0; b < 256; ++b) {
        const std::wstring one = system.fromCodePage(codePage, std::string(1, char(b)));
        if (one.size() != 1)
            return parse(system.fromCodePage(codePage, std::string(raw)), playlistName);
        table[b] = one[0];
        asciiKept = asciiKept && (b >= 0x80 || one[0] == wchar_t(b));
    }
    return parseLines(raw, playlistName, [&table, asciiKept](std::string_view v, std::wstring& to) {
        // Sized, then written through a pointer: a short zeroing pass costs less than a capacity
        // check for every character. The block has room reserved, so this seldom moves it.
        const std::size_t at = to.size();
        to.resize(at + v.size());
        widen(v, to.data() + at, table, asciiKept);
    });
}

std::vector<std::uint8_t> encode(const std::vector<std::wstring>& paths,
                                 const std::wstring& playlistName, platform::System& system) {
    std::wstring text;
    std::size_t size = 0;
    for (const auto& p : paths)
        size += p.size() + 2;
    text.reserve(size);
    for (const auto& p : paths) {
        text += p;
        text += L"\r\n";
    }
    // A ".m3u8" list is UTF-8 by its name, without a mark. Otherwise a path without its exact
    // ANSI form would name another file: the list goes out as UTF-8 with the mark. So does an
    // ANSI text that the reader would take for UTF-8 of other letters, however seldom a code
    // page's text is that.
    std::string bytes;
    if (paths::endsWithNoCase(playlistName, L".m3u8")) {
        bytes = utf8::encode(text);
        // A first path that begins with U+FEFF would read as the mark: it gets a mark before it.
        if (bytes.starts_with(utf8::Bom))
            bytes.insert(0, utf8::Bom);
    } else if (auto ansi = exactAnsi(system, text); ansi && !misreadAsUtf8(*ansi, text)) {
        bytes = std::move(*ansi);
    } else {
        bytes = std::string(utf8::Bom) + utf8::encode(text);
    }
    return {bytes.begin(), bytes.end()};
}

bool isPlaylistName(const std::wstring& name) {
    const auto cut = name.find_last_of(L"\\:");
    const auto dot = name.rfind(L'.');
    if (dot == std::wstring::npos || (cut != std::wstring::npos && dot < cut))
        return false;
    const std::wstring_view ext = std::wstring_view(name).substr(dot);
    return ext == L".m3u" || ext == L".m3u8";
}

} // namespace vx::m3u
