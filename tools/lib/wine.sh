#!/usr/bin/env bash
# Which builds this host can run, Wine prefixes and the virtual display, shared by tools/run,
# tools/test and tools/bench. Source after tools/lib/common.sh.
#
# Two builds of the same sources: "32" (i686, the program as it has always shipped) and "64"
# (x86-64). Some kernels start no 32-bit process at all (IA-32 emulation switched off): there
# only the 64-bit build can run, under Wine's 64-bit loader.
#   MURKWELL_NO_32BIT=1       behave as on such a host, whatever this one can do
#   MURKWELL_ONLY_BUILD=32|64 run one build only (a quick local run)

MURKWELL_WINE32_LOADER=/usr/lib/wine/wine
MURKWELL_WINE64_LOADER=/usr/lib/wine/wine64
MURKWELL_WINESERVER=/usr/lib/wine/wineserver

# Whether the kernel starts a 32-bit (i386) process. Asked of the kernel itself with a tiny
# static i386 program that exits with 42 (96 bytes: ELF header, one segment, mov/mov/int 80h),
# so the answer needs no 32-bit package installed and never guesses from uname.
murkwell_kernel_runs_32bit() {
    if [[ -z "${MURKWELL_KERNEL_RUNS_32BIT:-}" ]]; then
        local probe status=0
        mkdir -p "$MURKWELL_BUILD"
        probe="$(mktemp "$MURKWELL_BUILD/i386-probe.XXXXXX")"  # /tmp may be mounted noexec
        printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80' >"$probe"
        chmod +x "$probe"
        "$probe" 2>/dev/null || status=$?
        rm -f "$probe"
        if ((status == 42)); then
            MURKWELL_KERNEL_RUNS_32BIT=yes
        else
            MURKWELL_KERNEL_RUNS_32BIT=no
        fi
    fi
    [[ "$MURKWELL_KERNEL_RUNS_32BIT" == yes ]]
}

# Why the 32-bit build cannot run here, or nothing when it can.
murkwell_no_32bit_reason() {
    if [[ "${MURKWELL_NO_32BIT:-}" == 1 ]]; then
        echo "MURKWELL_NO_32BIT=1 asks to behave as a host that starts no 32-bit process"
    elif ! murkwell_kernel_runs_32bit; then
        echo "this kernel starts no 32-bit process: IA-32 emulation is switched off"
    fi
}

# The builds to run on this host, one a line: 32 where the host can, always 64.
murkwell_runnable_builds() {
    local only="${MURKWELL_ONLY_BUILD:-}"
    case "$only" in
    "" | 32 | 64) ;;
    *)
        echo "MURKWELL_ONLY_BUILD must be 32 or 64, not '$only'" >&2
        return 2
        ;;
    esac
    if [[ "$only" != 64 ]] && [[ -z "$(murkwell_no_32bit_reason)" ]]; then
        echo 32
    elif [[ "$only" == 32 ]]; then
        echo "MURKWELL_ONLY_BUILD=32, but the 32-bit build cannot run here: $(murkwell_no_32bit_reason)" >&2
        return 2
    fi
    [[ "$only" == 32 ]] || echo 64
}

# Points the Wine commands below at one build's loader and prefix kind, and at its template.
murkwell_use_build() {
    MURKWELL_WINE_BUILD="$1"
    export WINEDEBUG=-all WINESERVER="$MURKWELL_WINESERVER"
    if [[ "$MURKWELL_WINE_BUILD" == 32 ]]; then
        export MURKWELL_WINE="$MURKWELL_WINE32_LOADER" WINEARCH=win32
        unset WINELOADER
        MURKWELL_TEMPLATE_PREFIX="$MURKWELL_BUILD/wine-template"
    else
        # Debian's "wine" command takes the 32-bit loader whenever wine32 is installed: name
        # the 64-bit one, and tell Wine which loader starts further programs.
        export MURKWELL_WINE="$MURKWELL_WINE64_LOADER" WINEARCH=win64
        export WINELOADER="$MURKWELL_WINE64_LOADER"
        MURKWELL_TEMPLATE_PREFIX="$MURKWELL_BUILD/wine-template-64"
    fi
}

# Runs a Windows program with the chosen build's loader.
murkwell_wine() {
    "$MURKWELL_WINE" "$@"
}

# The chosen build's program folder and tree.
murkwell_dist_dir() {
    if [[ "$MURKWELL_WINE_BUILD" == 32 ]]; then
        echo "$MURKWELL_ROOT/dist"
    else
        echo "$MURKWELL_ROOT/dist/x64"
    fi
}

# A prefix of the chosen kind made once per machine state; every run works in a copy of it.
murkwell_template_prefix() {
    if [[ -f "$MURKWELL_TEMPLATE_PREFIX/.murkwell-ready" ]]; then
        return 0
    fi
    echo "Preparing a $MURKWELL_WINE_BUILD-bit Wine prefix (once)..." >&2
    rm -rf "$MURKWELL_TEMPLATE_PREFIX"
    mkdir -p "$(dirname "$MURKWELL_TEMPLATE_PREFIX")"
    local status=0
    WINEPREFIX="$MURKWELL_TEMPLATE_PREFIX" murkwell_wine wineboot -i </dev/null >/dev/null 2>&1 ||
        status=$?
    WINEPREFIX="$MURKWELL_TEMPLATE_PREFIX" "$WINESERVER" -w </dev/null >/dev/null 2>&1 || true
    if ((status != 0)) || [[ ! -f "$MURKWELL_TEMPLATE_PREFIX/system.reg" ]]; then
        echo "Wine could not make a $MURKWELL_WINE_BUILD-bit prefix ($MURKWELL_WINE wineboot: exit code $status)" >&2
        return 1
    fi
    touch "$MURKWELL_TEMPLATE_PREFIX/.murkwell-ready"
}

# Copies the template into $1 and points WINEPREFIX at it.
murkwell_fresh_prefix() {
    local prefix="$1"
    murkwell_template_prefix
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    cp -a "$MURKWELL_TEMPLATE_PREFIX" "$prefix"
    export WINEPREFIX="$prefix"
}

# Keeps one wineserver alive for the prefix so each program start does not pay for a cold one.
# Its output goes nowhere: an inherited pipe would keep ctest waiting for ever.
murkwell_warm_wineserver() {
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    murkwell_wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

murkwell_stop_wineserver() {
    if [[ -n "${WINEPREFIX:-}" ]]; then
        "${WINESERVER:-$MURKWELL_WINESERVER}" -k </dev/null >/dev/null 2>&1 || true
    fi
}

# Starts Xvfb on a free display and exports DISPLAY; MURKWELL_XVFB_PID is its process.
murkwell_start_xvfb() {
    local display
    for display in $(seq 90 140); do
        if [[ ! -e /tmp/.X11-unix/X$display && ! -e /tmp/.X$display-lock ]]; then
            Xvfb ":$display" -screen 0 1280x900x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
            MURKWELL_XVFB_PID=$!
            for _ in $(seq 1 100); do
                if xdpyinfo -display ":$display" >/dev/null 2>&1; then
                    export DISPLAY=":$display"
                    return 0
                fi
                sleep 0.05
            done
            kill "$MURKWELL_XVFB_PID" 2>/dev/null || true
        fi
    done
    echo "could not start Xvfb" >&2
    return 1
}

murkwell_stop_xvfb() {
    if [[ -n "${MURKWELL_XVFB_PID:-}" ]]; then
        kill "$MURKWELL_XVFB_PID" 2>/dev/null || true
        wait "$MURKWELL_XVFB_PID" 2>/dev/null || true
        MURKWELL_XVFB_PID=
    fi
}
