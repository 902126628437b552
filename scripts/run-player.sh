#!/usr/bin/env bash
# Sets everything up, builds the player, installs it into a prefix inside the build tree and starts it the
# way the installed command does: in the user's own program folder, $XDG_DATA_HOME/kavrel (by default
# ~/.local/share/kavrel), so a rebuild or a clean build never touches the user's library, playlists or settings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target installable
cmake --install "$build" --prefix "$build/prefix" >/dev/null
exec "$build/prefix/bin/kavrel" "$@"
