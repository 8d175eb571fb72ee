// Saves Dirs.vxl, Last.m3u and a screenshot-sized BMP in a folder, version after version, through
// the program's own writers and file layer, until it is killed.
//   torn_writer FOLDER FIRST_VERSION
#include "TornFiles.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32System.h"
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    std::wstring folder = argv[1];
    if (folder.back() != L'\\')
        folder += L'\\';
    vx::win32::Win32Files files;
    vx::win32::Win32System system;
    for (int version = _wtoi(argv[2]);; ++version) {
        files.writeAll(folder + L"Dirs.vxl", vx::dirsfile::encode(vx::torn::folders(version)));
        files.writeAll(folder + L"Last.m3u",
                       vx::m3u::encode(vx::torn::playlist(version), L"Last.m3u", system));
        files.writeAll(folder + L"shot.bmp", vx::bmp::fileBytes(vx::torn::picture(version)));
    }
}
