#pragma once
#include <cstdint>
#include <string>
#include <windows.h>

namespace vx::wave {

// Writes a PCM WAV file of `ms` milliseconds (8 kHz, 8-bit, mono: one byte per 1/8 ms) with a
// quiet tone, so that a device has something real to play.
inline void writeWave(const std::wstring& path, std::uint32_t ms) {
    const std::uint32_t rate = 8000, samples = rate / 1000 * ms;
    std::string data(44 + samples, '\0');
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            data[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
    };
    auto put16 = [&](std::size_t at, std::uint16_t v) {
        data[at] = char(v & 0xFF);
        data[at + 1] = char(v >> 8);
    };
    data.replace(0, 4, "RIFF");
    put32(4, 36 + samples);
    data.replace(8, 8, "WAVEfmt ");
    put32(16, 16);
    put16(20, 1); // PCM
    put16(22, 1); // mono
    put32(24, rate);
    put32(28, rate); // bytes per second
    put16(32, 1);    // block align
    put16(34, 8);    // bits per sample
    data.replace(36, 4, "data");
    put32(40, samples);
    for (std::uint32_t i = 0; i < samples; ++i)
        data[44 + i] = char(128 + ((i / 8) % 2 ? 20 : -20)); // a 500 Hz square wave
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(f, data.data(), DWORD(data.size()), &written, nullptr);
    CloseHandle(f);
}

} // namespace vx::wave
