#!/usr/bin/env bash
# Builds everything and runs every test twice: a normal build in ./build and
# one with AddressSanitizer and UndefinedBehaviorSanitizer in ./build-asan
# (HITVAULT_BUILD_DIR and HITVAULT_ASAN_BUILD_DIR name other folders).
# Exits non-zero when anything fails to build or any test fails.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=install-packages.sh
source "$root/scripts/install-packages.sh"
install_missing_packages || exit 1

jobs="${HITVAULT_JOBS:-2}"
build_dir="${HITVAULT_BUILD_DIR:-build}"
asan_dir="${HITVAULT_ASAN_BUILD_DIR:-build-asan}"
status=0
passed=0
failed=0
skipped=0
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

run_suite() {
    local dir="$1"
    shift
    echo "=== $dir: configure and build"
    if ! cmake -S "$root" -B "$root/$dir" -G Ninja "$@" >/dev/null; then
        echo "=== $dir: configuration failed"
        return 1
    fi
    if ! cmake --build "$root/$dir" -- -j"$jobs"; then
        echo "=== $dir: build failed"
        return 1
    fi
    echo "=== $dir: tests"
    ctest --test-dir "$root/$dir" --output-on-failure -j"$jobs" 2>&1 | tee "$log"
    local result=${PIPESTATUS[0]}
    # "100% tests passed, 0 tests failed out of 57"
    local summary
    summary="$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)"
    if [ -n "$summary" ]; then
        local total fails
        total="$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")"
        fails="$(sed -E 's/.*, ([0-9]+) tests failed.*/\1/' <<<"$summary")"
        # ctest counts a skipped test as passed and lists it as "(Skipped)".
        local skips
        skips="$(grep -cE '^[[:space:]]*[0-9]+ - .*\(Skipped\)$' "$log" || true)"
        passed=$((passed + total - fails - skips))
        failed=$((failed + fails))
        skipped=$((skipped + skips))
    else
        result=1
    fi
    return "$result"
}

# The sources stay formatted by the project's .clang-format.
if command -v clang-format >/dev/null; then
    echo "=== format check"
    if ! (cd "$root" && git ls-files -z 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' |
        xargs -0 clang-format --dry-run --Werror); then
        echo "=== format check failed: run clang-format -i on the files above"
        status=1
    fi
fi

# The core never reaches the screens or the terminal; only the backend
# includes curses.
echo "=== layer check"
if bash "$root/scripts/check-layers.sh"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    status=1
fi

run_suite "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo || status=1
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
run_suite "$asan_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHITVAULT_SANITIZE=ON \
    -DHITVAULT_BENCH=OFF || status=1

if [ "$status" -ne 0 ]; then
    echo "=== FAILED: see the output above"
fi
echo "tests: $passed passed, $failed failed, $skipped skipped"
exit "$status"
