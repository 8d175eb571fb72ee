#include "folders/DirsFile.h"
#include <algorithm>
#include <utility>

namespace vx::dirsfile {

std::vector<std::string> decode(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> entries;
    const std::size_t records = bytes.size() / RecordSize;
    entries.reserve(records);
    for (std::size_t r = 0; r < records; ++r) {
        const std::uint8_t* record = bytes.data() + r * RecordSize;
        const std::size_t length = std::min<std::size_t>(record[0], TextSize);
        entries.emplace_back(reinterpret_cast<const char*>(record + 1), length);
    }
    return entries;
}

std::vector<std::uint8_t> encode(const std::vector<std::string>& entries) {
    std::vector<std::uint8_t> bytes(entries.size() * RecordSize, 0);
    for (std::size_t r = 0; r < entries.size(); ++r) {
        const std::string& text = entries[r];
        const std::size_t length = std::min(text.size(), TextSize);
        std::uint8_t* record = bytes.data() + r * RecordSize;
        record[0] = std::uint8_t(length);
        std::copy_n(text.begin(), length, record + 1);
    }
    return bytes;
}

RecordText recordText(const std::wstring& entry, const AnsiEncoder& toAnsi) {
    // In a single-byte code page 100 characters are 100 bytes; a double-byte one may need
    // fewer characters, dropped from the end so that no character is cut in half.
    std::wstring kept = entry.substr(0, TextSize);
    for (;;) {
        bool exact = true;
        std::string bytes = toAnsi(kept, &exact);
        if (bytes.size() <= TextSize)
            return {std::move(bytes), exact};
        kept.pop_back();
    }
}

} // namespace vx::dirsfile
