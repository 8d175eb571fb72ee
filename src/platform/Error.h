#pragma once
#include <exception>
#include <string>

namespace vx {

// A failure that the program reports to the user: the text is what the error box shows.
class Error : public std::exception {
  public:
    explicit Error(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& message() const noexcept { return message_; }
    const char* what() const noexcept override { return "vx::Error"; }

  private:
    std::wstring message_;
};

// An input/output error named by its system code, with the runtime's texts for the usual codes.
class IoError : public Error {
  public:
    explicit IoError(int code) : Error(textFor(code)), code_(code) {}
    int code() const noexcept { return code_; }

    static constexpr int FileNotFound = 2;
    static constexpr int PathNotFound = 3;
    static constexpr int TooManyOpenFiles = 4;
    static constexpr int AccessDenied = 5;
    static constexpr int ReadBeyondEnd = 100;
    static constexpr int DiskFull = 101;

    static std::wstring textFor(int code) {
        switch (code) {
        case FileNotFound: return L"File not found";
        case PathNotFound: return L"Invalid filename";
        case TooManyOpenFiles: return L"Too many open files";
        case AccessDenied: return L"File access denied";
        case ReadBeyondEnd: return L"Read beyond end of file";
        case DiskFull: return L"Disk full";
        default: return L"I/O error " + std::to_wstring(code);
        }
    }

  private:
    int code_;
};

// An input/output error raised because a file could not be created for writing.
class FileCreateError : public IoError {
  public:
    FileCreateError(int code, std::wstring path) : IoError(code), path_(std::move(path)) {}
    const std::wstring& path() const noexcept { return path_; }

  private:
    std::wstring path_;
};

// A file that could not be created for writing, reported by its name.
class CannotCreateFile : public Error {
  public:
    explicit CannotCreateFile(const std::wstring& path) : Error(L"Cannot create file " + path) {}
};

} // namespace vx
