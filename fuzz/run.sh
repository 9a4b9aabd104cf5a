#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers (score file, class settings, history file) with clang and runs each for
# a bounded time on its seed corpus. Exits non-zero on any finding (crash,
# sanitizer report, broken round trip); the failing input is kept in the
# build folder.
#   bash fuzz/run.sh [seconds]     (default 60 in all; build folder $FUZZ_DIR, default build-fuzz)
set -euo pipefail

cd "$(dirname "$0")/.."
FUZZ_DIR=${FUZZ_DIR:-build-fuzz}
SECONDS_MAX=${1:-60}

cmake -S fuzz -B "$FUZZ_DIR" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None >/dev/null
cmake --build "$FUZZ_DIR" -j"$(nproc)"

# fuzz TARGET SEED_FILE MAX_LEN SECONDS
fuzz() {
    local cible=$1 graines=$2 longueur=$3 duree=$4
    # The seeds are hex text, turned into files here: no binary file in the tree.
    local seeds="$FUZZ_DIR/seeds-$cible" corpus="$FUZZ_DIR/corpus-$cible" artifacts="$FUZZ_DIR/findings-$cible"
    rm -rf "$seeds"
    mkdir -p "$seeds" "$corpus" "$artifacts"
    local n=0 hex
    while read -r hex; do
        case "$hex" in ''|'#'*) continue ;; esac
        n=$((n + 1))
        printf "$(sed 's/../\\x&/g' <<<"$hex")" > "$seeds/seed$n"
    done < "$graines"
    # New inputs go to the corpus folder, the seeds are read only; any
    # finding stops the run with a non-zero status.
    "$FUZZ_DIR/$cible" -max_total_time="$duree" -max_len="$longueur" -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" "$seeds"
}

# The time is shared: the score and settings readers are small, the history reader larger.
# Each gets a second at least: libFuzzer takes 0 for no limit at all.
part() { local s=$((SECONDS_MAX * $1 / 12)); echo $((s > 0 ? s : 1)); }
fuzz fuzz_score fuzz/seeds.txt 64 "$(part 3)"
fuzz fuzz_reglages fuzz/seeds_reglages.txt 512 "$(part 2)"
fuzz fuzz_historique fuzz/seeds_historique.txt 8192 "$(part 7)"
