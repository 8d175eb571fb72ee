#pragma once
#include "platform/Error.h"
#include "platform/Files.h"
#include <map>
#include <set>

namespace vx::fakes {

// An in-memory file system. Paths are compared as written.
class FakeFiles : public platform::Files {
  public:
    std::map<std::wstring, std::vector<std::uint8_t>> files;
    std::map<std::wstring, std::vector<platform::DirEntry>> folders;
    std::set<std::wstring> unwritable; // paths whose writes fail with "File access denied"
    std::map<std::wstring, int> readErrors; // path -> the system code its reads fail with
    std::wstring workingFolder = L"C:\\Programs\\Vextral";
    std::set<std::wstring> unreachableFolders;       // folders that cannot be made current
    std::map<std::wstring, std::wstring> shortPaths; // long path -> its 8.3 form

    static std::vector<std::uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }
    std::string text(const std::wstring& path) const {
        auto it = files.find(path);
        return it == files.end() ? std::string() : std::string(it->second.begin(), it->second.end());
    }

    bool exists(const std::wstring& path) override { return files.count(path) > 0; }
    std::vector<std::uint8_t> readAll(const std::wstring& path) override {
        if (auto error = readErrors.find(path); error != readErrors.end())
            throw IoError(error->second);
        auto it = files.find(path);
        if (it == files.end())
            throw IoError(IoError::FileNotFound);
        return it->second;
    }
    void writeAll(const std::wstring& path, const std::vector<std::uint8_t>& data) override {
        if (unwritable.count(path))
            throw FileCreateError(IoError::AccessDenied, path);
        files[path] = data;
    }
    void append(const std::wstring& path, const std::vector<std::uint8_t>& data) override {
        if (unwritable.count(path))
            throw FileCreateError(IoError::AccessDenied, path);
        auto& f = files[path];
        f.insert(f.end(), data.begin(), data.end());
    }
    std::vector<platform::DirEntry> list(const std::wstring& folder) override {
        auto it = folders.find(folder);
        return it == folders.end() ? std::vector<platform::DirEntry>{} : it->second;
    }
    bool setCurrentDirectory(const std::wstring& path) override {
        if (path.empty() || unreachableFolders.count(path))
            return false;
        workingFolder = path;
        return true;
    }
    std::wstring currentDirectory() override { return workingFolder; }
    std::wstring shortPath(const std::wstring& path) override {
        auto it = shortPaths.find(path);
        return it == shortPaths.end() ? std::wstring() : it->second;
    }
};

} // namespace vx::fakes
