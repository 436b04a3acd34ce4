#!/usr/bin/env bash
# Builds the Debian package with CPack, has apt resolve what it depends on,
# unpacks it into a scratch root and checks what it holds, that its programs
# run there and that its menu entry starts the program.
#   check_debian_package.sh CPACK BUILD_DIR APP_ID VERSION
# Exits 77 (skipped) when the dpkg tools are not installed; a check that needs
# another missing tool (apt-get) is skipped with a note.
set -euo pipefail

cpack="$1"
build="$2"
id="$3"
version="$4"

for tool in dpkg-deb dpkg-shlibdeps dpkg-query; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIP: $tool is missing (Debian packages dpkg and dpkg-dev)"
        exit 77
    fi
done

scratch="$(mktemp -d)"
program=""
trap '[ -z "$program" ] || kill "$program" 2> /dev/null || true; rm -rf "$scratch"' EXIT
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack did not build the package"
    exit 1
fi
shopt -s nullglob
packages=("$scratch"/out/tracol_"$version"_*.deb)
if [ ${#packages[@]} -ne 1 ]; then
    ls -R "$scratch/out"
    echo "FAIL: expected one package tracol_${version}_*.deb"
    exit 1
fi
deb="${packages[0]}"
root="$scratch/root"
dpkg-deb -x "$deb" "$root"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for file in usr/bin/tracol usr/bin/tracol-fit "usr/share/applications/$id.desktop" \
    "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/metainfo/$id.metainfo.xml" \
    usr/share/man/man1/tracol.1.gz usr/share/man/man1/tracol-fit.1.gz "usr/share/mime/packages/$id.xml"; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"

# The Qt libraries the programs link, the image format plugins and the
# Japanese font, each a package this machine knows (it built the programs
# with them).
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6pdf6 fonts-noto-cjk qt6-image-formats-plugins; do
    grep -Eq "(^|, )$needed( |,|$)" <<< "$depends" || fail "Depends lacks $needed"
done
IFS=',' read -ra entries <<< "$depends"
for entry in "${entries[@]}"; do
    name="$(awk '{print $1}' <<< "$entry")"
    dpkg-query -W "$name" > /dev/null 2>&1 || fail "Depends names $name, which no package here is called"
done

# apt finds everything the package depends on, in the versions it asks for,
# among the packages installed or available here: a simulated installation,
# which changes nothing.
if command -v apt-get > /dev/null; then
    if apt-get install --simulate --no-install-recommends "$deb" > "$scratch/apt.log" 2>&1 &&
        grep -q '^Inst tracol ' "$scratch/apt.log"; then
        echo "ok: apt-get install --simulate resolves the package's Depends"
        grep '^Inst ' "$scratch/apt.log"
    else
        fail "apt-get cannot install the package with its dependencies"
        cat "$scratch/apt.log"
    fi
else
    echo "SKIP: apt-get is missing (Debian package apt): the Depends are not resolved"
fi

# The programs run from the unpacked root, with no display.
fit_version="$("$root/usr/bin/tracol-fit" --version)" || fail "tracol-fit --version failed"
[ "$fit_version" = "tracol-fit $version" ] || fail "tracol-fit --version said '$fit_version'"
app_version="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/tracol" --version)" ||
    fail "tracol --version failed"
[ "$app_version" = "tracol $version" ] || fail "tracol --version said '$app_version'"

# The menu entry starts the packaged program with the packaged icon.
desktop="$root/usr/share/applications/$id.desktop"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry's icon is not $id"

# As a desktop starts it: the Exec line with a file for %f (a name with a
# blank, one argument), the programs found in the package's bin/, on a screen
# of its own. It must still be running a few seconds later.
packaged_path="$root/usr/bin:$PATH"
in_package() { # the program a command of the entry runs, if it is the packaged one
    local word="$1"
    [[ "$word" == /* ]] && word="$root$word"
    local found
    found="$(PATH="$packaged_path" command -v "$word")" && [[ "$found" == "$root"/* ]] && echo "$found"
}
image="$scratch/graph 1.bmp"
# A 2 x 2 picture, 24 bits: white, blue / black, white.
printf 'BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0\x10\0\0\0\x13\x0b\0\0\x13\x0b\0\0\0\0\0\0\0\0\0\0' > "$image"
printf '\0\0\0\xff\xff\xff\0\0\xff\xff\xff\xff\0\0\0\0' >> "$image"
try_exec="$(sed -n 's/^TryExec=//p' "$desktop")"
[ -z "$try_exec" ] || [ -n "$(in_package "$try_exec")" ] || fail "the menu entry's TryExec=$try_exec is not in the package"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
read -ra words <<< "$exec_line"
command=()
for word in "${words[@]}"; do
    case "$word" in
    %f | %F | %u | %U) command+=("$image") ;;
    %i | %c | %k) ;;
    *) command+=("${word//%%/%}") ;;
    esac
done
executable="$(in_package "${command[0]:-}")" || true
if [ -z "$executable" ]; then
    fail "the menu entry's Exec=$exec_line does not run a program of the package"
else
    command[0]="$executable"
    mkdir -p -m 700 "$scratch/home"
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen HOME="$scratch/home" \
        XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/home" PATH="$packaged_path" \
        "${command[@]}" > "$scratch/start.log" 2>&1 &
    program=$!
    sleep 4
    if kill -0 "$program" 2> /dev/null; then
        echo "ok: Exec=$exec_line started ${command[*]#"$root"} and it is still running"
        kill "$program"
        wait "$program" 2> /dev/null || true
    else
        status=0
        wait "$program" || status=$?
        fail "started from its menu entry (Exec=$exec_line), the program ended at once with status $status"
        cat "$scratch/start.log"
    fi
    program=""
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "ok: $(basename "$deb") installs with its dependencies, holds the programs, menu entry, icon, metainfo, MIME type and manual pages, and starts from its menu entry"
