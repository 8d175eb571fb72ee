#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vx::platform {

struct DirEntry {
    std::wstring name;
    bool directory = false;
    // A junction or symbolic link (a name-surrogate reparse point): it may lead back up the
    // tree. Other reparse points, such as the folders a cloud-files provider keeps, are not.
    bool link = false;
    bool hiddenSystem = false; // hidden and system both, as the system's own folders are
};

// Plain file input and output. Failures raise vx::IoError (or vx::CannotCreateFile).
class Files {
  public:
    virtual ~Files() = default;
    virtual bool exists(const std::wstring& path) = 0;
    virtual std::vector<std::uint8_t> readAll(const std::wstring& path) = 0;
    // Replaces the file as a whole: written to a temporary file beside it that then takes the
    // old file's place, keeping its attributes, security and creation time, so a failure leaves
    // the previous file intact. A read-only file is not replaced: the write fails.
    virtual void writeAll(const std::wstring& path, const std::vector<std::uint8_t>& bytes) = 0;
    virtual void append(const std::wstring& path, const std::vector<std::uint8_t>& bytes) = 0;
    // Entries of one folder in the order the file system returns them (no "." and "..").
    virtual std::vector<DirEntry> list(const std::wstring& folder) = 0;
    virtual bool setCurrentDirectory(const std::wstring& path) = 0;
    virtual std::wstring currentDirectory() = 0;
    // The short (8.3) form of an existing path; empty when the system has none.
    virtual std::wstring shortPath(const std::wstring& path) = 0;
};

} // namespace vx::platform
