#!/usr/bin/env bash
# The portable zip: one folder "Murkwell" holding the program, its help and its banner page.
set -euo pipefail
zip="$1"
listed="$(cmake -E tar tf "$zip" | sed 's|/$||' | sort | tr '\n' ' ')"
expected="Murkwell Murkwell/Help.chm Murkwell/Murkwell.exe Murkwell/banner.html "
if [[ "$listed" != "$expected" ]]; then
    echo "The portable zip holds: $listed" >&2
    echo "Expected:               $expected" >&2
    exit 1
fi
echo "The portable zip holds the program folder."
