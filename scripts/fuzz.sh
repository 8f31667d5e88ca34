#!/usr/bin/env bash
# Runs the fuzz harnesses of tests/fuzz/ with libFuzzer (clang, ASan, UBSan)
# for a while each, on a copy of their corpus, one after the other.
#
#   scripts/fuzz.sh [seconds] [--merge] [--keep-going] [harness...]
#
# seconds: how long each harness runs (default 60). Harnesses are named as
# the folders of tests/fuzz/corpus/ (song_list, settings, ...); all by default.
# --merge adds the new inputs that reach new code, minimised, to
# tests/fuzz/corpus/<harness>/. --keep-going runs on after a failure (in a
# forked child), to collect every failure of the time given.
#
# A failure is kept in build-fuzz/findings/ until its harness runs again.
# Minimise it (fuzz_<harness> -minimize_crash=1 -runs=10000 FILE) before it
# goes into the corpus, or into tests/fuzz/pending/<harness>/ while its fault
# is open. Exits non-zero when any harness found a failure.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${HITVAULT_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds=60
merge=0
keep_going=()
harnesses=()
for arg in "$@"; do
    case "$arg" in
        --merge) merge=1 ;;
        --keep-going) keep_going=(-fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1) ;;
        '' | *[!0-9]*) harnesses+=("$arg") ;;
        *) seconds="$arg" ;;
    esac
done
if [ "${#harnesses[@]}" -eq 0 ]; then
    for dir in "$root"/tests/fuzz/corpus/*/; do harnesses+=("$(basename "$dir")"); done
fi
command -v clang++ >/dev/null || { echo "fuzz: clang++ is needed" >&2; exit 2; }

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHITVAULT_FUZZ=ON -DHITVAULT_BENCH=OFF >/dev/null || exit 2
targets=()
for h in "${harnesses[@]}"; do targets+=("fuzz_$h"); done
cmake --build "$build" --target "${targets[@]}" -- -j"${HITVAULT_JOBS:-2}" || exit 2

# The harnesses write a folder of files per input: in memory rather than on
# the disk, and inside the scratch folder, which also takes the folders of
# runs that failed and never removed theirs.
base="${TMPDIR:-/tmp}"
[ -d /dev/shm ] && [ -w /dev/shm ] && base=/dev/shm
scratch="$(mktemp -d "$base/hitvault-fuzz-XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/tmp"
export TMPDIR="$scratch/tmp"
mkdir -p "$build/findings"
status=0
for h in "${harnesses[@]}"; do
    corpus="$root/tests/fuzz/corpus/$h"
    work="$scratch/$h"
    mkdir -p "$work" "$corpus"
    cp -r "$corpus"/. "$work"/
    echo "=== $h: $seconds s"
    log="$scratch/$h.log"
    rm -f "$build/findings/$h-"*
    "$build/fuzz_$h" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        "${keep_going[@]}" -artifact_prefix="$build/findings/$h-" "$work" >"$log" 2>&1
    result=$?
    grep -aE '^(property failed|SUMMARY)|ERROR|runtime error|ALARM|Test unit written' "$log"
    # The last progress line holds the number of runs ("#1234").
    grep -aE '^#[0-9]+' "$log" | tail -n 1
    if [ "$result" -ne 0 ] || compgen -G "$build/findings/$h-*" >/dev/null; then status=1; fi
    if [ "$merge" -eq 1 ]; then
        "$build/fuzz_$h" -merge=1 "$corpus" "$work" >/dev/null 2>&1 || status=1
    fi
done
[ "$status" -eq 0 ] || echo "=== fuzz: failures found, see $build/findings/"
exit "$status"
