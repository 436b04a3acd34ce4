# Shared steps of the README's two commands: install what is missing, build.
# Sourced by tools/run.sh and tools/test.sh.
set -euo pipefail

TRACOL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TRACOL_BUILD="${TRACOL_BUILD:-$TRACOL_ROOT/build}"

# Installs the Debian packages given that are not installed yet.
install_missing() {
    local missing=()
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Qt PDF renders PDF pages; the image format plugins read TIFF and WebP.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-pdf-dev qt6-image-formats-plugins libgl-dev fonts-noto-cjk)
TEST_PACKAGES=(xvfb xauth libbenchmark-dev libreoffice-calc-nogui poppler-utils
    desktop-file-utils appstream shared-mime-info man-db dpkg-dev cups cups-bsd printer-driver-cups-pdf)
# The fuzz targets build with clang and libFuzzer.
FUZZ_PACKAGES=(clang libfuzzer-14-dev libclang-rt-14-dev)

TRACOL_FUZZ_BUILD="${TRACOL_FUZZ_BUILD:-$TRACOL_ROOT/build-fuzz}"

# Configures once, then builds what changed.
build_tracol() {
    if [ ! -f "$TRACOL_BUILD/build.ninja" ]; then
        cmake -S "$TRACOL_ROOT" -B "$TRACOL_BUILD" -G Ninja \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRACOL_WERROR=ON
    fi
    cmake --build "$TRACOL_BUILD"
}

# The fuzz targets: a build of their own with clang and sanitizers, holding
# nothing but the fuzz targets and their short runs.
build_fuzz_targets() {
    if [ ! -f "$TRACOL_FUZZ_BUILD/build.ninja" ]; then
        CC=clang CXX=clang++ cmake -S "$TRACOL_ROOT" -B "$TRACOL_FUZZ_BUILD" -G Ninja \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRACOL_WERROR=ON -DTRACOL_BUILD_FUZZ=ON
    fi
    cmake --build "$TRACOL_FUZZ_BUILD"
}

# The whole program and its tests with address, undefined-behaviour and leak
# checks (the dev-asan preset, in build-asan).
build_sanitized() {
    (
        cd "$TRACOL_ROOT"
        if [ ! -f build-asan/build.ninja ]; then
            cmake --preset dev-asan
        fi
        cmake --build --preset dev-asan
    )
}
