#include "player/M3u.h"
#include "app/AnsiText.h"
#include "app/Paths.h"
#include "player/Utf8.h"
#include <optional>

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

} // namespace

std::size_t Entries::append(std::wstring_view text) {
    const std::size_t at = text_.size();
    text_ += text;
    text_.push_back(L'\0');
    return at;
}

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

namespace {

// A single-byte code page decodes through a table of its 256 characters, written straight into
// the text; nothing for a multi-byte code page.
std::optional<std::wstring> decodeSingleByte(std::string_view raw, platform::System& system) {
    wchar_t table[256];
    for (int b = 0; b < 256; ++b) {
        const std::wstring one = system.fromAnsi(std::string(1, char(b)));
        if (one.size() != 1)
            return std::nullopt;
        table[b] = one[0];
    }
    std::wstring text;
    text.reserve(raw.size() + 1); // room for the null character that ends the last line
    text.resize(raw.size());
    wchar_t* out = text.data();
    for (char c : raw)
        *out++ = table[static_cast<unsigned char>(c)];
    return text;
}

} // namespace

std::wstring decode(const std::vector<std::uint8_t>& bytes, const std::wstring& playlistName,
                    platform::System& system) {
    std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const bool bom = raw.substr(0, utf8::Bom.size()) == utf8::Bom;
    if (bom)
        return utf8::decode(raw.substr(utf8::Bom.size()));
    if (paths::endsWithNoCase(playlistName, L".m3u8"))
        return utf8::decode(raw);
    if (auto text = decodeSingleByte(raw, system))
        return std::move(*text);
    return system.fromAnsi(std::string(raw));
}

std::wstring resolve(std::wstring_view line, const std::wstring& playlistName) {
    if (line.size() >= 2 && line[0] == L'\\' && line[1] == L'\\')
        return std::wstring(line); // a network path stands by itself
    if (!line.empty() && line[0] == L'\\') {
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

// The entries of a decoded playlist text, which becomes their block. Lines end with LF or CR
// LF; each line end is overwritten with a null character, so every title (the end of its line)
// and every path as written (a whole line) is already a null-terminated part of the block.
Entries parseBlock(std::wstring block, const std::wstring& playlistName) {
    const std::size_t size = block.size();
    block.push_back(L'\0'); // ends the last line when the file does not
    Entries out(std::move(block));
    std::wstring& text = out.text();
    bool first = true;
    bool titlePending = false;
    std::size_t start = 0;
    while (start < size) {
        std::size_t end = std::wstring_view(text.data(), size).find(L'\n', start);
        std::size_t next = end == std::wstring_view::npos ? size : end + 1;
        if (end == std::wstring_view::npos)
            end = size;
        else if (end > start && text[end - 1] == L'\r')
            --end;
        text[end] = L'\0';
        const std::wstring_view line(text.data() + start, end - start);
        const std::size_t lineStart = start;
        start = next;

        const bool isFirst = first;
        first = false;
        if (line.empty())
            continue;
        if (isFirst && line == Header)
            continue;
        // A title is the rest of its line from `from` on.
        auto addTitle = [&](std::size_t from) { out.addTitle(lineStart + from, line.size() - from); };
        if (line[0] == L'#' && !titlePending) {
            // The title: all after the first ",", or the line without its "#".
            auto comma = line.find(L',');
            addTitle(comma == std::wstring_view::npos ? 1 : comma + 1);
            titlePending = true;
            continue;
        }
        if (!titlePending) {
            const auto cut = line.find_last_of(L"\\:");
            addTitle(cut == std::wstring_view::npos ? 0 : cut + 1);
        }
        const bool asWritten = line.size() >= 2 && line[0] == L'\\' && line[1] == L'\\';
        const bool complete =
            asWritten || (line[0] != L'\\' && line[0] != L'#' && line.find(L':') != std::wstring_view::npos);
        if (complete) {
            out.addPath(lineStart, line.size());
        } else {
            std::wstring resolved = resolve(line, playlistName); // before the block may move
            out.addPath(out.append(resolved), resolved.size());
        }
        titlePending = false;
    }
    // A title with no path line after it names no entry.
    if (titlePending)
        out.dropLastTitle();
    return out;
}

} // namespace

Entries parse(std::wstring_view text, const std::wstring& playlistName) {
    return parseBlock(std::wstring(text), playlistName);
}

Entries read(const std::vector<std::uint8_t>& bytes, const std::wstring& playlistName, platform::System& system) {
    return parseBlock(decode(bytes, playlistName, system), playlistName);
}

std::vector<std::uint8_t> encode(const std::vector<std::wstring>& paths, platform::System& system) {
    std::wstring text;
    std::size_t size = 0;
    for (const auto& p : paths)
        size += p.size() + 2;
    text.reserve(size);
    for (const auto& p : paths) {
        text += p;
        text += L"\r\n";
    }
    // A path without its exact ANSI form would name another file: the list goes out as UTF-8.
    std::string bytes;
    if (auto ansi = exactAnsi(system, text))
        bytes = std::move(*ansi);
    else
        bytes = std::string(utf8::Bom) + utf8::encode(text);
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
