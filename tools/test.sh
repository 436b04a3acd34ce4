#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: the tests of
# the program, then the short runs of the fuzz targets (their own clang build
# in build-fuzz). Arguments go to both ctest runs (e.g. -R tst_form21, -L fuzz).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
build_tracol
(cd "$TRACOL_BUILD" && ctest --output-on-failure -j 2 "$@")
build_fuzz_targets
(cd "$TRACOL_FUZZ_BUILD" && ctest --output-on-failure -j 2 "$@")
