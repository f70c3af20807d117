#!/usr/bin/env bash
# Paths and the build steps shared by the tools.
set -euo pipefail

MURKWELL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
MURKWELL_BUILD="$MURKWELL_ROOT/build"
source "$MURKWELL_ROOT/tools/lib/deps.sh"
source "$MURKWELL_ROOT/tools/lib/wine.sh"

murkwell_jobs() { nproc 2>/dev/null || echo 2; }

# configure <build dir> <cmake args...>: configures once, then only builds.
murkwell_configure() {
    local dir="$1"
    shift
    if [[ ! -f "$dir/CMakeCache.txt" ]]; then
        cmake -S "$MURKWELL_ROOT" -B "$dir" "$@" >"$dir.configure.log" 2>&1 || {
            cat "$dir.configure.log" >&2
            return 1
        }
    fi
}

# Builds quietly; compiler diagnostics are shown, and a failed build shows its log's end.
murkwell_build_tree() {
    local dir="$1" status=0
    cmake --build "$dir" -j "$(murkwell_jobs)" >"$dir.build.log" 2>&1 || status=$?
    grep -E "(warning|error):" "$dir.build.log" >&2 || true
    if ((status != 0)); then
        tail -40 "$dir.build.log" >&2
        return "$status"
    fi
}

# One build of the Windows program (32 or 64), its test programs and its program folder:
# build/win and dist/ for 32 bits, build/win64 and dist/x64/ for 64; the downloads of both
# go to dist/.
murkwell_windows_tree() {
    if [[ "$1" == 32 ]]; then echo "$MURKWELL_BUILD/win"; else echo "$MURKWELL_BUILD/win$1"; fi
}

murkwell_toolchain() {
    if [[ "$1" == 32 ]]; then
        echo "$MURKWELL_ROOT/cmake/mingw-i686.cmake"
    else
        echo "$MURKWELL_ROOT/cmake/mingw-x86_64.cmake"
    fi
}

murkwell_build_windows() {
    local bits="$1" tree
    tree="$(murkwell_windows_tree "$bits")"
    mkdir -p "$MURKWELL_BUILD"
    murkwell_configure "$tree" -DCMAKE_TOOLCHAIN_FILE="$(murkwell_toolchain "$bits")" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMURKWELL_BENCH=OFF
    murkwell_build_tree "$tree"
}

# Both Windows builds: each compiles on any host, whether or not it can run them.
murkwell_build_windows_both() {
    murkwell_build_windows 32
    murkwell_build_windows 64
}

# The Windows benchmark programs of one build, for tools/bench only: a tree of their own, with
# the program they time built into its own program folder (build/win-bench/dist, or
# build/win64-bench/dist).
murkwell_build_windows_bench() {
    local bits="$1" tree
    tree="$(murkwell_windows_tree "$bits")-bench"
    mkdir -p "$MURKWELL_BUILD"
    murkwell_configure "$tree" -DCMAKE_TOOLCHAIN_FILE="$(murkwell_toolchain "$bits")" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMURKWELL_TESTS=OFF -DMURKWELL_BENCH=ON \
        -DMURKWELL_DIST_DIR="$tree/dist" -DMURKWELL_DOWNLOADS_DIR="$tree/dist"
    murkwell_build_tree "$tree"
}

# The logic for Linux, with sanitizers, and its fuzz target.
murkwell_build_native() {
    mkdir -p "$MURKWELL_BUILD"
    murkwell_configure "$MURKWELL_BUILD/native" -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=Debug -DMURKWELL_SANITIZE=ON -DMURKWELL_FUZZ=ON
    murkwell_build_tree "$MURKWELL_BUILD/native"
}
