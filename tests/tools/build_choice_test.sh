#!/usr/bin/env bash
# Which builds the tools run, on a host that starts 32-bit processes and on one that does not,
# under each of the variables that change the choice. The kernel's answer is given here (the
# probe's cached result), so both kinds of host are covered on any machine; the probe itself is
# checked against the kernel's own word where the machine says it.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib/common.sh"
set +e

failures=0
# check <what> <expected output> <expected exit code> <environment...>
check() {
    local what="$1" expected="$2" expected_status="$3"
    shift 3
    local output status
    output=$(env "$@" bash -c 'source tools/lib/common.sh; murkwell_runnable_builds' 2>&1)
    status=$?
    output=$(echo $output)  # one line, words as they were
    if [[ "$output" != "$expected" || "$status" != "$expected_status" ]]; then
        echo "build choice, $what: got '$output' (exit $status), expected '$expected' (exit $expected_status)"
        failures=$((failures + 1))
    fi
}

cd "$MURKWELL_ROOT"
check "host runs both" "32 64" 0 MURKWELL_KERNEL_RUNS_32BIT=yes
check "host runs 64 only" "64" 0 MURKWELL_KERNEL_RUNS_32BIT=no
check "MURKWELL_NO_32BIT=1 on a host that runs both" "64" 0 \
    MURKWELL_KERNEL_RUNS_32BIT=yes MURKWELL_NO_32BIT=1
check "MURKWELL_ONLY_BUILD=64" "64" 0 MURKWELL_KERNEL_RUNS_32BIT=yes MURKWELL_ONLY_BUILD=64
check "MURKWELL_ONLY_BUILD=32 where it runs" "32" 0 \
    MURKWELL_KERNEL_RUNS_32BIT=yes MURKWELL_ONLY_BUILD=32
check "MURKWELL_ONLY_BUILD=32 where it cannot run" \
    "MURKWELL_ONLY_BUILD=32, but the 32-bit build cannot run here: this kernel starts no 32-bit process: IA-32 emulation is switched off" \
    2 MURKWELL_KERNEL_RUNS_32BIT=no MURKWELL_ONLY_BUILD=32
check "MURKWELL_ONLY_BUILD=32 with MURKWELL_NO_32BIT=1" \
    "MURKWELL_ONLY_BUILD=32, but the 32-bit build cannot run here: MURKWELL_NO_32BIT=1 asks to behave as a host that starts no 32-bit process" \
    2 MURKWELL_KERNEL_RUNS_32BIT=yes MURKWELL_NO_32BIT=1 MURKWELL_ONLY_BUILD=32
check "a build that does not exist" "MURKWELL_ONLY_BUILD must be 32 or 64, not '16'" 2 \
    MURKWELL_ONLY_BUILD=16

# The probe agrees with the kernel where the kernel has said it refuses 32-bit programs.
unset MURKWELL_KERNEL_RUNS_32BIT
if dmesg 2>/dev/null | grep -q "32-bit emulation disabled"; then
    if murkwell_kernel_runs_32bit; then
        echo "build choice: the kernel says 32-bit emulation is disabled, but the probe ran"
        failures=$((failures + 1))
    fi
fi

if ((failures == 0)); then
    echo "the tools choose the builds as the host and the variables say"
fi
exit $((failures > 0))
