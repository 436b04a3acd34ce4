#!/usr/bin/env bash
# Installs Tracol into a scratch prefix and runs the desktop's own checkers on
# what was installed: the menu entry, the metainfo, the MIME type and the
# manual pages.
#   check_installed_files.sh BUILD_DIR APP_ID
# Exits 77 (skipped) when a checker is not installed.
set -euo pipefail

build="$1"
id="$2"

for tool in desktop-file-validate appstreamcli update-mime-database man; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIP: $tool is missing (Debian packages desktop-file-utils, appstream, shared-mime-info, man-db)"
        exit 77
    fi
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/usr"
cmake --install "$build" --prefix "$prefix" > "$scratch/install.log"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# Runs a checker; any word from it (errors, warnings, hints) is a failure.
check_silent() {
    local what="$1"
    shift
    local said
    if ! said="$("$@" 2>&1)" || [ -n "$said" ]; then
        fail "$what"
        echo "$said"
    else
        echo "ok: $what"
    fi
}

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
for file in "$prefix/bin/tracol" "$prefix/bin/tracol-fit" "$desktop" "$metainfo" \
    "$prefix/share/icons/hicolor/scalable/apps/$id.svg" "$prefix/share/mime/packages/$id.xml" \
    "$prefix/share/man/man1/tracol.1.gz" "$prefix/share/man/man1/tracol-fit.1.gz"; do
    [ -f "$file" ] || fail "not installed: ${file#"$scratch"}"
done

check_silent "desktop-file-validate $id.desktop" desktop-file-validate "$desktop"
# The entry starts the installed program with the file it is given.
grep -qx 'Exec=tracol %f' "$desktop" || fail "the menu entry does not run 'tracol %f'"

if appstreamcli validate --no-net "$metainfo" > "$scratch/appstream.log" 2>&1; then
    echo "ok: appstreamcli validate $id.metainfo.xml"
else
    fail "appstreamcli validate $id.metainfo.xml"
    cat "$scratch/appstream.log"
fi
# The installed tree as a software centre reads it: metainfo, menu entry, icon.
if appstreamcli validate-tree --no-net "$scratch" > "$scratch/tree.log" 2>&1; then
    echo "ok: appstreamcli validate-tree"
else
    fail "appstreamcli validate-tree"
    cat "$scratch/tree.log"
fi

# The MIME type is accepted into a database and names the data files.
check_silent "update-mime-database" env XDG_DATA_DIRS="$prefix/share" \
    update-mime-database "$prefix/share/mime"
grep -q '^[0-9]*:application/x-tracol-data:\*\.dat$' "$prefix/share/mime/globs2" ||
    fail "application/x-tracol-data does not claim *.dat"
grep -q 'application/x-tracol-data' "$desktop" || fail "the menu entry does not take application/x-tracol-data"

# What the menu shows a Japanese desktop, and the files the entry opens.
name_ja="$(sed -n 's/^Name\[ja\]=//p' "$desktop")"
comment_ja="$(sed -n 's/^Comment\[ja\]=//p' "$desktop")"
[ -n "$name_ja" ] || fail "the menu entry has no Name[ja]"
LC_ALL=C.UTF-8 grep -qP '[\p{Han}\p{Hiragana}\p{Katakana}]' <<< "$comment_ja" ||
    fail "the menu entry's Comment[ja] is not Japanese: '$comment_ja'"
mime_types=";$(sed -n 's/^MimeType=//p' "$desktop")"
for type in image/bmp image/jpeg image/png application/x-tracol-data; do
    [[ "$mime_types" == *";$type;"* ]] || fail "the menu entry's MimeType lacks $type"
done
echo "ok: Name[ja]=$name_ja, Comment[ja]=$comment_ja, MimeType=${mime_types#;}"

# Every option tracol-fit's usage lists is an item of its manual page's OPTIONS.
options="$("$prefix/bin/tracol-fit" --help | grep -oE '(^|[[:space:][(])--[a-z][a-z-]*' | grep -oE -- '--[a-z-]+' |
    sort -u)"
[ -n "$options" ] || fail "tracol-fit --help lists no options"
manual="$(LC_ALL=C.UTF-8 MANWIDTH=120 man -E UTF-8 -l "$prefix/share/man/man1/tracol-fit.1.gz" 2> /dev/null |
    sed -n '/^OPTIONS/,/^[A-Z]/p')"
for option in $options; do
    grep -qE -- "^[[:space:]]+$option( |$)" <<< "$manual" ||
        fail "tracol-fit --help lists $option, which the manual page's OPTIONS does not"
done
echo "ok: the manual page describes" $options

# groff's warnings while the pages are formatted; the text itself is dropped.
for page in tracol tracol-fit; do
    LC_ALL=C.UTF-8 MANWIDTH=80 check_silent "man --warnings $page.1" sh -c 'man --warnings -E UTF-8 -l "$1" 2>&1 > /dev/null' \
        man "$prefix/share/man/man1/$page.1.gz"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all installed files are valid"
