#!/bin/sh
# Installs the build into a temporary prefix and checks what the desktop sees and what the launcher does.
#   install_test.sh BUILD_DIR CASE
set -eu
build=$1
case_name=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

id=io.github.kavrel.Kavrel

# Width and height from a PNG's header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}

# The player is replaced by a recorder of where and how it was started.
fake_player() {
    cat >"$prefix/libexec/kavrel/kavrel" <<'PLAYER'
#!/bin/sh
echo "$(pwd) $*" >>"$KAVREL_TEST_STARTS"
PLAYER
    export KAVREL_TEST_STARTS="$work/starts"
}

launch() {
    env -u XDG_DATA_HOME HOME="$work/home" "$@" "$prefix/bin/kavrel" one two
}

case "$case_name" in
validate)
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
        { cat "$work/appstream.log"; fail "metainfo"; }
    grep -q "^Icon=$id\$" "$prefix/share/applications/$id.desktop" || fail "icon name"
    grep -q '^Exec=kavrel %U$' "$prefix/share/applications/$id.desktop" || fail "Exec line"
    for size in 16 22 24 32 48 64 128 256 512; do
        icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
        [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "icon $icon is $(png_size "$icon")"
    done
    cp -R "$prefix/share/mime" "$work/mime"
    update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "mime package"; }
    grep -q '^application/x-kavrel-playlist:\*\.ppl$' "$work/mime/globs" || fail "playlist glob"
    for program in bin/kavrel bin/kavrel-probe bin/kavrel-library bin/kavrel-play libexec/kavrel/kavrel; do
        [ -x "$prefix/$program" ] || fail "$program missing"
    done
    for file in PlSysFile/DefaultConf.pcf PlSysFile/Default.pef help/help.htm Lang/english/main.plf \
        Lang/russian/main.plf Pictures/play/play1.jpg; do
        [ -f "$prefix/share/kavrel/$file" ] || fail "shipped $file missing"
    done
    for folder in PlayLists Library/LB1 Library/LB2 Library/LBCD ForApollo; do
        [ -d "$prefix/share/kavrel/$folder" ] || fail "shipped folder $folder missing"
    done
    [ ! -e "$prefix/share/kavrel/kavrel" ] || fail "the player is inside the shipped folder"
    ;;
first_start)
    fake_player
    # The outside player, once installed, is linked into the user's folder beside a Plug-ins folder.
    printf '#!/bin/sh\n' >"$prefix/libexec/kavrel/kavrel-apollo"
    chmod +x "$prefix/libexec/kavrel/kavrel-apollo"
    launch
    user="$work/home/.local/share/kavrel"
    [ "$(cat "$work/starts")" = "$user one two" ] || fail "started as: $(cat "$work/starts")"
    diff -r -x .kavrel-shipped -x .kavrel-lock -x kavrel-apollo -x Plug-ins "$prefix/share/kavrel" "$user" ||
        fail "folder differs"
    [ -w "$user/PlSysFile/DefaultConf.pcf" ] || fail "copied files are not the user's to change"
    [ "$(readlink -f "$user/kavrel-apollo")" = "$(readlink -f "$prefix/libexec/kavrel/kavrel-apollo")" ] ||
        fail "outside player link"
    [ -d "$user/Plug-ins" ] && [ -w "$user/Plug-ins" ] || fail "no Plug-ins folder of the user's own"
    ;;
later_start)
    fake_player
    user="$work/data/kavrel"
    launch XDG_DATA_HOME="$work/data"
    # The user changes one file and deletes another; a newer version ships both, one new file and a
    # newer version of a file the user left alone.
    printf 'mine\r\n' >"$user/Lang/english/main.plf"
    rm "$user/Pictures/play/play1.jpg"
    shipped="$prefix/share/kavrel"
    printf 'newer\r\n' >>"$shipped/Lang/english/main.plf"
    printf 'newer\r\n' >>"$shipped/Lang/russian/main.plf"
    mkdir "$shipped/Pictures/extra"
    printf 'new\r\n' >"$shipped/Pictures/extra/new.txt"
    launch XDG_DATA_HOME="$work/data"
    [ "$(cat "$user/Lang/english/main.plf")" = "$(printf 'mine\r')" ] || fail "the user's change was lost"
    cmp "$shipped/Lang/russian/main.plf" "$user/Lang/russian/main.plf" || fail "untouched file not updated"
    cmp "$shipped/Pictures/extra/new.txt" "$user/Pictures/extra/new.txt" || fail "new file not brought in"
    cmp "$shipped/Pictures/play/play1.jpg" "$user/Pictures/play/play1.jpg" || fail "deleted file not restored"
    # A file the player wrote, and one more shipped change while the user's edit stays.
    printf 'state\r\n' >"$user/PlayLists/PL1.ppl"
    printf 'newest\r\n' >>"$shipped/Lang/english/main.plf"
    launch XDG_DATA_HOME="$work/data"
    [ "$(cat "$user/Lang/english/main.plf")" = "$(printf 'mine\r')" ] || fail "the user's change was lost later"
    [ "$(cat "$user/PlayLists/PL1.ppl")" = "$(printf 'state\r')" ] || fail "the player's file was touched"
    [ "$(wc -l <"$work/starts")" -eq 3 ] || fail "the player did not start every time"
    ;;
relative_data_home)
    # A relative XDG_DATA_HOME is invalid and ignored; without HOME as well there is nowhere to go.
    fake_player
    (cd "$work" && launch XDG_DATA_HOME=relative)
    [ -d "$work/home/.local/share/kavrel/PlSysFile" ] || fail "the default folder was not used"
    [ ! -e "$work/relative" ] || fail "a relative XDG_DATA_HOME was used"
    if env -u HOME -u XDG_DATA_HOME "$prefix/bin/kavrel" 2>"$work/error"; then fail "started without a home"; fi
    grep -q '^kavrel: neither XDG_DATA_HOME nor HOME is set$' "$work/error" || fail "message: $(cat "$work/error")"
    ;;
second_user)
    fake_player
    launch XDG_DATA_HOME="$work/alice"
    launch XDG_DATA_HOME="$work/bob"
    printf 'alice\r\n' >"$work/alice/kavrel/PlayLists/PL1.ppl"
    [ ! -e "$work/bob/kavrel/PlayLists/PL1.ppl" ] || fail "users share a folder"
    [ "$(sort "$work/starts" | cut -d' ' -f1 | tr '\n' ' ')" = "$work/alice/kavrel $work/bob/kavrel " ] ||
        fail "started in: $(cat "$work/starts")"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
