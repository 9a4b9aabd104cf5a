#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the score-file fuzzer with clang and runs it for a bounded time on
# the seed corpus. Exits non-zero on any finding (crash, sanitizer report,
# broken round trip); the failing input is kept in the build folder.
#   bash fuzz/run.sh [seconds]     (default 60; build folder $FUZZ_DIR, default build-fuzz)
set -euo pipefail

cd "$(dirname "$0")/.."
FUZZ_DIR=${FUZZ_DIR:-build-fuzz}
SECONDS_MAX=${1:-60}

cmake -S fuzz -B "$FUZZ_DIR" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None >/dev/null
cmake --build "$FUZZ_DIR" -j"$(nproc)"

# The seeds are hex text, turned into files here: no binary file in the tree.
seeds="$FUZZ_DIR/seeds"
corpus="$FUZZ_DIR/corpus"
artifacts="$FUZZ_DIR/findings"
rm -rf "$seeds"
mkdir -p "$seeds" "$corpus" "$artifacts"
n=0
while read -r hex; do
    case "$hex" in ''|'#'*) continue ;; esac
    n=$((n + 1))
    printf "$(sed 's/../\\x&/g' <<<"$hex")" > "$seeds/seed$n"
done < fuzz/seeds.txt

# New inputs go to the corpus folder, the seeds are read only; -fork keeps
# going after nothing, so any finding stops the run with a non-zero status.
"$FUZZ_DIR/fuzz_score" -max_total_time="$SECONDS_MAX" -max_len=64 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" "$seeds"
