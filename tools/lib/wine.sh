#!/usr/bin/env bash
# Wine prefixes and the virtual display, shared by tools/run, tools/test and tools/bench.
# Source after tools/lib/common.sh.

MURKWELL_TEMPLATE_PREFIX="$MURKWELL_ROOT/build/wine-template"

# A 32-bit prefix made once per machine state; every run works in a copy of it.
murkwell_template_prefix() {
    if [[ -f "$MURKWELL_TEMPLATE_PREFIX/.murkwell-ready" ]]; then
        return 0
    fi
    echo "Preparing a 32-bit Wine prefix (once)..." >&2
    rm -rf "$MURKWELL_TEMPLATE_PREFIX"
    mkdir -p "$(dirname "$MURKWELL_TEMPLATE_PREFIX")"
    WINEPREFIX="$MURKWELL_TEMPLATE_PREFIX" WINEARCH=win32 WINEDEBUG=-all \
        wineboot -i </dev/null >/dev/null 2>&1
    WINEPREFIX="$MURKWELL_TEMPLATE_PREFIX" wineserver -w </dev/null >/dev/null 2>&1
    touch "$MURKWELL_TEMPLATE_PREFIX/.murkwell-ready"
}

# Copies the template into $1 and points WINEPREFIX at it.
murkwell_fresh_prefix() {
    local prefix="$1"
    murkwell_template_prefix
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    cp -a "$MURKWELL_TEMPLATE_PREFIX" "$prefix"
    export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all
}

# Keeps one wineserver alive for the prefix so each program start does not pay for a cold one.
# Its output goes nowhere: an inherited pipe would keep ctest waiting for ever.
murkwell_warm_wineserver() {
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

murkwell_stop_wineserver() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
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
