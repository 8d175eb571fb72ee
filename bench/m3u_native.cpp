// The playlist reader's throughput on Linux: decode and parse of a 100,000-entry playlist,
// beside a plain read of the same file into memory (the physical limit).
//   m3u_native RUNS  ->  "parse_mb_s read_mb_s bytes" (best of RUNS, in processor time)
#include "player/M3u.h"
#include <ctime>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A system whose ANSI code page is Windows-1251 (the Cyrillic letters; the rest as Latin-1).
class Cp1251System : public vx::platform::System {
  public:
    std::wstring programPath() override { return {}; }
    vx::platform::LocalTime localNow() override { return {}; }
    std::uint32_t utcMillisecondsOfDay() override { return 0; }
    std::wstring shortDate(const vx::platform::LocalTime&) override { return {}; }
    std::wstring longTime(const vx::platform::LocalTime&) override { return {}; }
    std::string toAnsi(const std::wstring&, bool*) override { return {}; }
    std::wstring fromAnsi(const std::string& bytes) override { return fromCodePage(1251, bytes); }
    unsigned ansiCodePage() override { return 1251; }
    unsigned legacyAnsiCodePage() override { return 1251; }
    std::wstring fromCodePage(unsigned, const std::string& bytes) override {
        std::wstring out(bytes.size(), L'\0');
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(bytes[i]);
            out[i] = c >= 0xC0 ? wchar_t(0x0410 + (c - 0xC0)) : wchar_t(c);
        }
        return out;
    }
    bool isMultiByte(unsigned) override { return false; }
    int screenWidth() override { return 0; }
    int screenHeight() override { return 0; }
};

// Processor time of this process (user and system): the machine's other load does not count.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::fseek(f, 0, SEEK_END);
    std::vector<std::uint8_t> bytes(std::size_t(std::ftell(f)));
    std::fseek(f, 0, SEEK_SET);
    std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    bytes.resize(got);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 7;
    const std::string path = "/tmp/vx_bench_native.m3u";
    {
        std::ofstream out(path, std::ios::binary);
        out << "#EXTM3U\r\n";
        for (int i = 0; i < 100000; ++i)
            out << "#EXTINF:200,\xC0\xF0\xF2\xE8\xF1\xF2 " << i << " - Song " << i << "\r\nC:\\Music\\Artist "
                << i / 12 << "\\Album\\Track " << i << ".mp3\r\n";
    }
    Cp1251System system;
    double bestParse = 1e9, bestRead = 1e9;
    std::size_t size = 0, entries = 0;
    for (int r = 0; r < runs; ++r) {
        const double t0 = cpuSeconds();
        auto plain = readFile(path);
        const double t1 = cpuSeconds();
        auto bytes = readFile(path);
        auto parsed = vx::m3u::read(bytes, L"C:\\Lists\\x.m3u", system);
        const double t2 = cpuSeconds();
        size = plain.size();
        entries = parsed.size();
        bestRead = std::min(bestRead, t1 - t0);
        bestParse = std::min(bestParse, t2 - t1);
    }
    std::remove(path.c_str());
    if (entries != 100000)
        return 1;
    std::printf("%.0f %.0f %zu\n", double(size) / 1e6 / bestParse, double(size) / 1e6 / bestRead, size);
    return 0;
}
