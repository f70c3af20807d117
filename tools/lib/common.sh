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

# The Windows program, its test programs and dist/.
murkwell_build_windows() {
    mkdir -p "$MURKWELL_BUILD"
    murkwell_configure "$MURKWELL_BUILD/win" \
        -DCMAKE_TOOLCHAIN_FILE="$MURKWELL_ROOT/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMURKWELL_BENCH=OFF
    murkwell_build_tree "$MURKWELL_BUILD/win"
}

# The Windows benchmark programs, for tools/bench only: a tree of their own, with the program
# they time built into its own program folder (build/win-bench/dist).
murkwell_build_windows_bench() {
    mkdir -p "$MURKWELL_BUILD"
    murkwell_configure "$MURKWELL_BUILD/win-bench" \
        -DCMAKE_TOOLCHAIN_FILE="$MURKWELL_ROOT/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMURKWELL_TESTS=OFF -DMURKWELL_BENCH=ON \
        -DMURKWELL_DIST_DIR="$MURKWELL_BUILD/win-bench/dist"
    murkwell_build_tree "$MURKWELL_BUILD/win-bench"
}

# The logic for Linux, with sanitizers, and its fuzz target.
murkwell_build_native() {
    mkdir -p "$MURKWELL_BUILD"
    murkwell_configure "$MURKWELL_BUILD/native" -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=Debug -DMURKWELL_SANITIZE=ON -DMURKWELL_FUZZ=ON
    murkwell_build_tree "$MURKWELL_BUILD/native"
}
