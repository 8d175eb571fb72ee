#!/usr/bin/env bash
# Builds the Windows program (build/win/vextral.exe, with its Wine tests and the end-to-end
# probe) and the native test build (build/native, with sanitizers).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${VX_BUILD:-build} # a build folder of its own, for parallel work
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$out/win" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/win" -j"$jobs"
if [ "${VX_WIN_ONLY:-0}" != 1 ]; then
    cmake -S . -B "$out/native" -DVX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$out/native" -j"$jobs"
fi
