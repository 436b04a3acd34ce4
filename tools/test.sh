#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_tracol
cd "$TRACOL_BUILD"
ctest --output-on-failure -j 2 "$@"
