#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every include runs from a higher room of src/ to a lower one: a room uses
# only rooms below it, and what two rooms share goes below both.
set -euo pipefail
cd "$(dirname "$0")/../src"
declare -A niveau=([ui]=1 [programme]=1 [common]=2 [classroom]=3 [voice]=3
                   [lesson]=4 [exercises]=4 [tips]=4 [dategames]=4 [clock]=4 [sections]=4
                   [day]=5 [calendar]=5 [board]=5 [worksheets]=5 [training]=5 [players]=5 [teacher]=6 [shell]=6)
fautes=0
for f in */*.cpp */*.h; do
    de=${f%%/*}
    if [ -z "${niveau[$de]:-}" ]; then
        echo "$f: room $de has no place in tests/rooms.sh"; fautes=1; continue
    fi
    while IFS=: read -r n vers; do
        [ "$vers" = "$de" ] && continue
        if [ -z "${niveau[$vers]:-}" ] || [ "${niveau[$vers]}" -ge "${niveau[$de]}" ]; then
            echo "$f:$n includes $vers/ (not below $de)"; fautes=1
        fi
    done < <(grep -n -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z_]+/' "$f" | sed -E 's/^([0-9]+):.*"([a-z_]+)\/$/\1:\2/')
done
exit $fautes
