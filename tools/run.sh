#!/usr/bin/env bash
# Installs what is missing, builds and starts Tracol.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}"
build_tracol
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    install_missing xvfb xauth
    echo "No display found: starting Tracol on a virtual screen (xvfb-run)."
    exec xvfb-run -a "$TRACOL_BUILD/app/tracol" "$@"
fi
exec "$TRACOL_BUILD/app/tracol" "$@"
