#!/usr/bin/env bash
# Sets everything up, builds the player, installs it into a prefix inside the build tree and starts it the
# way the installed command does: in the user's own program folder, $XDG_DATA_HOME/kavrel (by default
# ~/.local/share/kavrel), so a rebuild or a clean build never touches the user's library, playlists or settings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"
"$root/scripts/setup.sh" player
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target installable
cmake --install "$build" --prefix "$build/prefix" >/dev/null

# Earlier versions of this script ran the player inside the build tree; its settings, presets, playlists and
# libraries are copied to the user's folder once, before that folder is first made.
case "${XDG_DATA_HOME:-}" in
/*) user="$XDG_DATA_HOME/kavrel" ;;
*) user="$HOME/.local/share/kavrel" ;;
esac
old="$build/program"
if [ ! -e "$user" ] && [ -f "$old/PlSysFile/Conf.pcf" ]; then
    echo "Copying the settings, playlists and libraries of $old to $user"
    mkdir -p "$user.moving/PlSysFile"
    find "$old/PlSysFile" -maxdepth 1 -type f ! -name DefaultConf.pcf -exec cp -p {} "$user.moving/PlSysFile/" \;
    for folder in PlayLists Library; do
        [ ! -d "$old/$folder" ] || cp -Rp "$old/$folder" "$user.moving/"
    done
    mv -T "$user.moving" "$user"
fi
exec "$build/prefix/bin/kavrel" "$@"
