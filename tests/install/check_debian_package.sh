#!/usr/bin/env bash
# Builds the Debian package with CPack, unpacks it into a scratch root and
# checks what it holds, what it depends on and that its programs run there.
#   check_debian_package.sh CPACK BUILD_DIR APP_ID VERSION
# Exits 77 (skipped) when the dpkg tools are not installed.
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
trap 'rm -rf "$scratch"' EXIT
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

# The Qt libraries the programs link and the Japanese font, each a package
# this machine knows (it built the programs with them).
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 fonts-noto-cjk; do
    grep -Eq "(^|, )$needed( |,|$)" <<< "$depends" || fail "Depends lacks $needed"
done
IFS=',' read -ra entries <<< "$depends"
for entry in "${entries[@]}"; do
    name="$(awk '{print $1}' <<< "$entry")"
    dpkg-query -W "$name" > /dev/null 2>&1 || fail "Depends names $name, which no package here is called"
done

# The programs run from the unpacked root, with no display.
fit_version="$("$root/usr/bin/tracol-fit" --version)" || fail "tracol-fit --version failed"
[ "$fit_version" = "tracol-fit $version" ] || fail "tracol-fit --version said '$fit_version'"
app_version="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/tracol" --version)" ||
    fail "tracol --version failed"
[ "$app_version" = "tracol $version" ] || fail "tracol --version said '$app_version'"

# The menu entry starts the packaged program with the packaged icon.
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || fail "the menu entry's icon is not $id"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "ok: $(basename "$deb") holds the programs, menu entry, icon, metainfo, MIME type and manual pages"
