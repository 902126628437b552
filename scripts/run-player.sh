#!/usr/bin/env bash
# Sets everything up, builds the player, assembles its program folder and starts it there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" player
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/release" --target program
cd "$root/build/release/program"
exec ./kavrel "$@"
