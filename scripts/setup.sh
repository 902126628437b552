#!/usr/bin/env bash
# Installs the missing Debian packages of one set; silent when all are there.
#   setup.sh player   what building and running the player needs (debian-packages.txt)
#   setup.sh test     that and what the tests need (debian-packages-test.txt)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
case "${1:-}" in
player) lists=("$here/debian-packages.txt") ;;
test) lists=("$here/debian-packages.txt" "$here/debian-packages-test.txt") ;;
*)
    echo "usage: $0 player|test" >&2
    exit 2
    ;;
esac

# Every listed package, one a line; pass 1 leaves out names that depend on an installed compiler.
listed() { sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "${lists[@]}"; }

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

install_missing() {
    local missing=() package sudo=""
    for package in "$@"; do
        installed "$package" || missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing Debian packages: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

mapfile -t plain < <(listed | grep -v '{clang}' || true)
install_missing "${plain[@]}"

# The compiler runtime is named after the clang version this Debian release installs.
mapfile -t versioned < <(listed | grep '{clang}' || true)
if ((${#versioned[@]})); then
    major=$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n1)
    if [ -z "$major" ]; then
        echo "setup.sh: cannot tell the version of the installed clang" >&2
        exit 1
    fi
    install_missing "${versioned[@]//\{clang\}/$major}"
fi
