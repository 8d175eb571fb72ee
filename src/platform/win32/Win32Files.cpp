#include "platform/win32/Win32Files.h"
#include "platform/win32/PathNames.h"
#include "platform/Error.h"
#include "platform/win32/Handles.h"

namespace vx::win32 {

namespace {

[[noreturn]] void raiseLastError() { throw IoError(int(GetLastError())); }

void writeWhole(HANDLE file, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
            raiseLastError();
        if (written == 0)
            throw IoError(IoError::DiskFull);
        done += written;
    }
}

UniqueHandle createForWriting(const std::wstring& path, DWORD disposition) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw FileCreateError(int(GetLastError()), path);
    return UniqueHandle(h);
}

// Gives the new file what the user gave the old one before it takes the old one's place: its
// attributes (hidden, system, archive ...) and its access rights. The creation time is set
// while the new file is still open.
void keepAttributesAndRights(const std::wstring& old, DWORD attributes, const std::wstring& fresh) {
    DWORD needed = 0;
    GetFileSecurityW(old.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    if (needed) {
        std::vector<BYTE> rights(needed);
        if (GetFileSecurityW(old.c_str(), DACL_SECURITY_INFORMATION, rights.data(), needed, &needed))
            SetFileSecurityW(fresh.c_str(), DACL_SECURITY_INFORMATION, rights.data());
    }
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                       FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (attributes & kept)
        SetFileAttributesW(fresh.c_str(), attributes & kept);
}

// A path of MAX_PATH characters or more in the "\\?\" form, which the file functions take at any
// length: "\\?\C:\..." for a drive path, "\\?\UNC\server\share\..." for a network path. A
// shorter path, and one that is neither, stays as it is.
std::wstring beyondMaxPath(const std::wstring& path) {
    if (path.size() < MAX_PATH)
        return path;
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\')
        return L"\\\\?\\" + path;
    if (path.compare(0, 2, L"\\\\") == 0 && path.compare(0, 4, L"\\\\?\\") != 0 &&
        path.compare(0, 4, L"\\\\.\\") != 0)
        return L"\\\\?\\UNC\\" + path.substr(2);
    return path;
}

} // namespace

bool Win32Files::exists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::uint8_t> Win32Files::readAll(const std::wstring& path) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        raiseLastError();
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        raiseLastError();
    std::vector<std::uint8_t> bytes(std::size_t(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr))
            raiseLastError();
        if (read == 0)
            break; // the file shrank meanwhile
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

void Win32Files::writeAll(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    // A file the user made read-only is not replaced behind their back: the save reports it.
    WIN32_FILE_ATTRIBUTE_DATA old{};
    const bool replacing = GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &old) != 0;
    if (replacing && (old.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
        throw FileCreateError(ERROR_ACCESS_DENIED, path);
    const std::wstring temporary = path + L".vxtmp";
    // A temporary left by a save that was stopped before its rename carries the attributes it
    // was given (hidden, system), and a file with those is not created over with normal ones.
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    {
        UniqueHandle file = createForWriting(temporary, CREATE_ALWAYS);
        try {
            writeWhole(file.get(), bytes);
            if (!FlushFileBuffers(file.get()))
                raiseLastError();
            if (replacing)
                SetFileTime(file.get(), &old.ftCreationTime, nullptr, nullptr);
        } catch (...) {
            file.reset();
            DeleteFileW(temporary.c_str());
            throw;
        }
    }
    if (replacing)
        keepAttributesAndRights(path, old.dwFileAttributes, temporary);
    // One rename puts the new file in place, so a crash or a kill at any moment leaves either the
    // old file or the new one. ReplaceFileW, which would carry the old file's properties over by
    // itself, is two renames under Wine, and a kill between them left no file at all.
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = GetLastError();
        DeleteFileW(temporary.c_str());
        throw FileCreateError(int(code), path);
    }
}

void Win32Files::append(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    UniqueHandle file = createForWriting(path, OPEN_ALWAYS);
    if (SetFilePointer(file.get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        raiseLastError();
    writeWhole(file.get(), bytes);
}

std::vector<platform::DirEntry> Win32Files::list(const std::wstring& folder) {
    std::vector<platform::DirEntry> entries;
    WIN32_FIND_DATAW data{};
    UniqueFind find(FindFirstFileW(beyondMaxPath(folder + L"\\*.*").c_str(), &data));
    if (find.get() == INVALID_HANDLE_VALUE) {
        find.release();
        return entries;
    }
    do {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const DWORD attributes = data.dwFileAttributes;
        const DWORD hiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        // The reparse tag stands in dwReserved0; only a name surrogate leads elsewhere.
        const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                          IsReparseTagNameSurrogate(data.dwReserved0);
        entries.push_back({name, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0, link,
                           (attributes & hiddenSystem) == hiddenSystem});
    } while (FindNextFileW(find.get(), &data));
    return entries;
}

bool Win32Files::setCurrentDirectory(const std::wstring& path) { return SetCurrentDirectoryW(path.c_str()) != 0; }

std::wstring Win32Files::currentDirectory() {
    DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring path(n, L'\0');
    n = GetCurrentDirectoryW(n, path.data());
    path.resize(n < path.size() ? n : 0);
    return path;
}

std::wstring Win32Files::shortPath(const std::wstring& path) { return shortPathName(path); }

} // namespace vx::win32
