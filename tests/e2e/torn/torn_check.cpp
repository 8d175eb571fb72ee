// Checks that each file the torn-file writer saves is one complete version: prints the versions
// found, or what is wrong, and exits 1 on a torn file.
//   torn_check FOLDER
#include "TornFiles.h"
#include "fakes/FakeSystem.h"
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

int versionOfFolders(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty() || bytes.size() % vx::dirsfile::RecordSize)
        return -1;
    auto entries = vx::dirsfile::decode(bytes);
    int version = std::atoi(entries[0].c_str() + 9);
    return entries == vx::torn::folders(version) ? version : -1;
}

int versionOfPlaylist(const std::vector<std::uint8_t>& bytes, vx::platform::System& system) {
    auto entries = vx::m3u::read(bytes, L"C:\\x.m3u", system);
    if (entries.paths().empty())
        return -1;
    int version = std::stoi(entries.paths()[0].substr(14));
    return entries.paths() == vx::torn::playlist(version) ? version : -1;
}

int versionOfPicture(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 57)
        return -1;
    const int version = bytes[54] | (bytes[55] << 8) | (bytes[56] << 16);
    return bytes == vx::bmp::fileBytes(vx::torn::picture(version)) ? version : -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const std::string folder = std::string(argv[1]) + "/";
    vx::fakes::FakeSystem system;
    int folders = versionOfFolders(readFile(folder + "Dirs.vxl"));
    int playlist = versionOfPlaylist(readFile(folder + "Last.m3u"), system);
    int picture = versionOfPicture(readFile(folder + "shot.bmp"));
    std::printf("%d %d %d\n", folders, playlist, picture);
    return folders < 0 || playlist < 0 || picture < 0 ? 1 : 0;
}
