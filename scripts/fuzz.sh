#!/usr/bin/env bash
# Builds the fuzz targets of the readers of outside bytes (preset fuzz) and runs each for
# SECONDS (default 60) from its seeds: those the program's own writers make
# (fuzz_make_seeds) and the hand-made ones in tests/fuzz/corpus/<target>/.
# The corpora grow in a scratch folder that is removed at the end, so a run
# leaves the repository as it was. Any finding fails the run; the input that
# found it is kept in build/fuzz/findings/, to go into the target's corpus
# folder with the fix.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [SECONDS]" >&2; exit 2; }
targets=(show_file color_file coder_table_file settings_file name_codec show_names midi_bindings http_gate remote_message osc_packet)

bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
bin=build/fuzz/tests/fuzz

# tmpfs where there is one: the targets write a file per input.
base=/dev/shm
[ -d "$base" ] && [ -w "$base" ] || base="${TMPDIR:-/tmp}"
scratch="$(mktemp -d "$base/korvanel-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
findings="$PWD/build/fuzz/findings"
mkdir -p "$findings"

"$bin/fuzz_make_seeds" "$scratch/seeds"

passed=0
failed=0
printf '%-18s %-6s %10s %14s %8s %8s\n' target result exec/s executions cov ft
for target in "${targets[@]}"; do
    corpus="$scratch/corpus/$target"
    mkdir -p "$corpus" "$scratch/tmp/$target"
    for from in "$scratch/seeds/$target" tests/fuzz/corpus/"$target"; do
        [ -d "$from" ] && find "$from" -maxdepth 1 -type f -exec cp -t "$corpus" {} +
    done
    log="$scratch/$target.log"
    result=ok
    TMPDIR="$scratch/tmp/$target" "$bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" "$corpus" >"$log" 2>&1 || result=FAILED
    # The last status line holds the coverage: "#N DONE cov: C ft: F corp: ...".
    status="$(grep -E '^#[0-9]+.* cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1 || true)"
    cov="$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$status")"
    ft="$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$status")"
    runs="$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$log")"
    speed="$(sed -nE 's/^stat::average_exec_per_sec: *([0-9]+).*/\1/p' "$log")"
    printf '%-18s %-6s %10s %14s %8s %8s\n' "$target" "$result" "${speed:--}" "${runs:--}" "${cov:--}" "${ft:--}"
    if [ "$result" = ok ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "---- $target: last lines of its log"
        grep -vE '^#[0-9]+|^INFO:' "$log" | tail -n 40
        echo "----"
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
