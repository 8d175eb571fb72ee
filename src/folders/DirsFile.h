#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vx::dirsfile {

// "Dirs.vxl": one 101-byte record per favourite folder, no header: a length byte L, then 100
// text bytes in the ANSI code page of which the first L count.
constexpr std::size_t RecordSize = 101;
constexpr std::size_t TextSize = 100;
constexpr const wchar_t* FileName = L"Dirs.vxl";

// The entries of a file: whole records only (a trailing fragment is ignored); a damaged length
// byte above 100 yields the record's 100 text bytes.
std::vector<std::string> decode(const std::vector<std::uint8_t>& bytes);

// The file for a list: each entry cut to its first 100 bytes, the unused text bytes zero.
std::vector<std::uint8_t> encode(const std::vector<std::string>& entries);

// Converts text to the ANSI code page; `exact` says whether every character survived.
using AnsiEncoder = std::function<std::string(const std::wstring& text, bool* exact)>;

// The record text of a list entry: its ANSI bytes, cut to 100 bytes at a character boundary.
// `exact` is false when a character of the kept part has no ANSI form; the bytes then hold the
// code page's replacement for it.
struct RecordText {
    std::string bytes;
    bool exact = true;
};
RecordText recordText(const std::wstring& entry, const AnsiEncoder& toAnsi);

} // namespace vx::dirsfile
