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

BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev fonts-noto-cjk)
TEST_PACKAGES=(xvfb xauth libbenchmark-dev libreoffice-calc-nogui poppler-utils
    desktop-file-utils appstream shared-mime-info man-db dpkg-dev cups cups-bsd printer-driver-cups-pdf)

# Configures once, then builds what changed.
build_tracol() {
    if [ ! -f "$TRACOL_BUILD/build.ninja" ]; then
        cmake -S "$TRACOL_ROOT" -B "$TRACOL_BUILD" -G Ninja \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRACOL_WERROR=ON
    fi
    cmake --build "$TRACOL_BUILD"
}
