#!/usr/bin/env bash
# Checks that the subsystem layers point one way: platform <- vault <- present <- protect <- shell.
# A file may include its own layer and the ones to its left, never one to its right. Prints each
# include that breaks the rule; exits 1 when there is one.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

layers=(platform vault present protect shell)
broken=0
for ((i = 0; i < ${#layers[@]}; i++)); do
    higher=("${layers[@]:i+1}")
    ((${#higher[@]})) || continue
    pattern="^#include \"($(IFS='|'; echo "${higher[*]}"))/"
    while IFS= read -r hit; do
        echo "includes a higher layer: $hit"
        broken=1
    done < <(git ls-files -z "${layers[i]}/*.cpp" "${layers[i]}/*.h" |
        xargs -0 -r grep -HnE "$pattern" || true)
done
exit "$broken"
