#!/bin/sh
# Fills FOLDER with COUNT real MP3, Ogg Vorbis and WMA files (copies of the metadata fixtures), 100 to a
# sub-folder, for the one-file scan benchmark.
set -eu
if [ $# -ne 2 ]; then
    echo "usage: $0 FOLDER COUNT" >&2
    exit 2
fi
folder=$1
count=$2
fixtures=$(cd "$(dirname "$0")/../../tests/fixtures/metadata" && pwd)
set -- "$fixtures"/*.mp3 "$fixtures"/*.ogg "$fixtures"/*.wma
kinds=$#
i=0
while [ "$i" -lt "$count" ]; do
    pick=$((i % kinds + 1))
    eval "source=\${$pick}"
    sub="$folder/folder$((i / 100))"
    mkdir -p "$sub"
    name=$(basename "$source")
    cp "$source" "$sub/$i-$name"
    i=$((i + 1))
done
