#!/usr/bin/env bash
# Takes the README's screenshots from the real windows, on a virtual screen:
# builds the two screenshot programs and lets them save their PNGs into
# docs/screenshots/ (or the folder given). The print settings window and
# every printed output (PDF files, and their pages as PNG) go to
# build/printed/ for a person to look at.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

folder="${1:-$TRACOL_ROOT/docs/screenshots}"
install_missing "${BUILD_PACKAGES[@]}" xvfb xauth poppler-utils
if [ ! -f "$TRACOL_BUILD/build.ninja" ]; then
    cmake -S "$TRACOL_ROOT" -B "$TRACOL_BUILD" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRACOL_WERROR=ON
fi
cmake --build "$TRACOL_BUILD" --target digitize_screenshots fit_screenshots printing_screenshots
mkdir -p "$folder"
folder="$(cd "$folder" && pwd)"
if [ -z "${1:-}" ]; then
    rm -f "$folder"/*.png # a window no longer photographed leaves no stale picture
fi
# The dialogs show the folder they start in: a fixed, neutral one, so that
# the pictures do not change with the checkout's place.
start="/tmp/tracol-screenshots/graphs"
rm -rf /tmp/tracol-screenshots
mkdir -p "$start"
trap 'rm -rf /tmp/tracol-screenshots' EXIT
# A screen of a fixed size, and no settings of the user's desktop.
for program in tests/digitize/digitize_screenshots tests/fitwindows/fit_screenshots; do
    (cd "$start" && env -u QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME= LC_ALL=C.UTF-8 \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$TRACOL_BUILD/$program" "$folder")
done
printed="$TRACOL_BUILD/printed"
rm -rf "$printed"
mkdir -p "$printed"
(cd "$start" && env -u QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME= LC_ALL=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$TRACOL_BUILD/tests/printing/printing_screenshots" "$printed")
for pdf in "$printed"/*.pdf; do
    pdftoppm -png -r 80 "$pdf" "${pdf%.pdf}"
done
echo "Screenshots in $folder:"
ls "$folder"
echo "Printed pages in $printed:"
ls "$printed"
