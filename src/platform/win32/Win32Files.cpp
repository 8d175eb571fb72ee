#include "platform/win32/Win32Files.h"
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
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool replacing = attributes != INVALID_FILE_ATTRIBUTES;
    if (replacing && (attributes & FILE_ATTRIBUTE_READONLY))
        throw FileCreateError(ERROR_ACCESS_DENIED, path);
    const std::wstring temporary = path + L".vxtmp";
    {
        UniqueHandle file = createForWriting(temporary, CREATE_ALWAYS);
        try {
            writeWhole(file.get(), bytes);
            if (!FlushFileBuffers(file.get()))
                raiseLastError();
        } catch (...) {
            file.reset();
            DeleteFileW(temporary.c_str());
            throw;
        }
    }
    if (!replacing) {
        if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
            DWORD code = GetLastError();
            DeleteFileW(temporary.c_str());
            throw FileCreateError(int(code), path);
        }
        return;
    }
    // ReplaceFileW keeps what the old file had (attributes, security, creation time), which a
    // move of the new file over it would drop. The old file is set aside under a name of our
    // own (without one, Wine leaves an empty "rf*.tmp" behind when the file is locked) and put
    // back when the new one could not take its place.
    const std::wstring setAside = path + L".vxold";
    if (ReplaceFileW(path.c_str(), temporary.c_str(), setAside.c_str(), 0, nullptr, nullptr)) {
        DeleteFileW(setAside.c_str());
        return;
    }
    const DWORD code = GetLastError();
    if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        MoveFileExW(setAside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    DeleteFileW(temporary.c_str());
    throw FileCreateError(int(code), path);
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
    UniqueFind find(FindFirstFileW((folder + L"\\*.*").c_str(), &data));
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
        entries.push_back({name, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0,
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

std::wstring Win32Files::shortPath(const std::wstring& path) {
    DWORD n = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (n == 0)
        return {};
    std::wstring result(n, L'\0');
    n = GetShortPathNameW(path.c_str(), result.data(), n);
    if (n == 0 || n >= result.size())
        return {};
    result.resize(n);
    return result;
}

} // namespace vx::win32
