#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in ./run, a
# working folder made from example/ the first time. An existing ./run is kept
# as it is, so the songs and pages you made there survive the next start.
# Arguments are passed to the program (e.g. S to skip the title screen).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=install-packages.sh
source "$root/scripts/install-packages.sh"
install_missing_packages

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target hitvault -- -j2

if [ ! -d "$root/run" ]; then
    mkdir -p "$root/run"
    cp -R "$root/example/." "$root/run/"
    echo "Made the working folder $root/run from example/."
fi

cd "$root/run"
exec "$root/build/hitvault" "$@"
