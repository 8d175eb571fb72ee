// Arbitrary bytes as a playlist file, read as ANSI (code pages 1251 and 65001) and as UTF-8:
// the two lists always stay in step, the reader agrees with the text decoded whole, the
// null-terminated texts handed to the lists match the entries, every title line's title comes
// from the title rule, and what is read saves and reads back to the same paths.
#include "fakes/FakeSystem.h"
#include "player/M3u.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vx::fakes::FakeSystem system;
    std::vector<std::uint8_t> bytes(data, data + size);
    for (const auto& [codePage, name] :
         {std::pair{1251u, L"E:\\Lists\\x.m3u"}, std::pair{65001u, L"E:\\Lists\\x.m3u"},
          std::pair{1251u, L"E:\\Lists\\x.m3u8"}}) {
        system.codePage = codePage;
        auto entries = vx::m3u::read(bytes, name, system);
        if (entries.titles().size() != entries.paths().size())
            __builtin_trap();
        for (const auto& p : entries.paths())
            if (p.empty())
                __builtin_trap();
        // The reader's fast paths (line ends found eight bytes at a time, ASCII widened as it
        // stands, each field decoded by itself) agree with the text decoded whole and parsed.
        auto whole = vx::m3u::parse(vx::m3u::decode(bytes, name, system), name);
        if (whole.titles() != entries.titles() || whole.paths() != entries.paths())
            __builtin_trap();
        // The texts the lists take end exactly where the entries' texts end.
        const auto titleTexts = entries.titleTexts();
        const auto pathTexts = entries.pathTexts();
        for (std::size_t i = 0; i < entries.size(); ++i)
            for (auto [text, view] : {std::pair{titleTexts[i], entries.title(i)}, std::pair{pathTexts[i], entries.path(i)}})
                if (view.find(L'\0') == std::wstring_view::npos && std::wstring_view(text) != view)
                    __builtin_trap();
        // Saved in any form (ANSI, UTF-8 with a mark, UTF-8 by the name), the list reads back
        // exactly.
        auto again = vx::m3u::read(vx::m3u::encode(entries.paths(), name, system), name, system);
        if (again.paths() != entries.paths())
            __builtin_trap();
    }
    std::wstring line(reinterpret_cast<const char*>(data), reinterpret_cast<const char*>(data) + size);
    std::wstring title = vx::m3u::GetTitle(line);
    if (title.size() > line.size())
        __builtin_trap();
    return 0;
}
