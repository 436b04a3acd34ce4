#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests with address,
# undefined-behaviour and leak checks (preset dev-asan, in build-asan) and runs
# the whole test suite under them. Arguments go to ctest.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_sanitized
cd "$TRACOL_ROOT"
ctest --preset dev-asan "$@"
