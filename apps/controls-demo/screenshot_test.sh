#!/bin/sh
# The demo's screenshot run into a folder that does not exist yet: it exits 0 and leaves every picture.
# usage: screenshot_test.sh DEMO SKIN_FOLDER WORK_FOLDER [--main-window]
set -eu
demo=$1 skin=$2 work=$3
shift 3
rm -rf "$work"
"$demo" --skin "$skin" "$@" --screenshot "$work/new/shots"
if [ "${1:-}" = --main-window ]; then
    expected="main-built-in main-widened main-full-screen main-incorporated"
else
    expected="page1 page2 page3 page4 page5"
fi
for name in $expected; do
    [ -s "$work/new/shots/$name.png" ] || { echo "missing $name.png" >&2; exit 1; }
done
