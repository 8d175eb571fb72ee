#pragma once
#include "platform/Files.h"

namespace vx::win32 {

class Win32Files : public platform::Files {
  public:
    bool exists(const std::wstring& path) override;
    std::vector<std::uint8_t> readAll(const std::wstring& path) override;
    void writeAll(const std::wstring& path, const std::vector<std::uint8_t>& bytes) override;
    void append(const std::wstring& path, const std::vector<std::uint8_t>& bytes) override;
    std::vector<platform::DirEntry> list(const std::wstring& folder) override;
    bool setCurrentDirectory(const std::wstring& path) override;
    std::wstring currentDirectory() override;
    std::wstring shortPath(const std::wstring& path) override;
};

} // namespace vx::win32
