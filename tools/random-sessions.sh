#!/usr/bin/env bash
# Long random user sessions over the real windows (the suite runs 5 000
# steps): 100 000 steps by default, in sessions of 250 from the seed given.
#   bash tools/random-sessions.sh [STEPS] [SEED]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_tracol
steps="${1:-100000}"
seed="${2:-$(date +%s)}"
echo "Random sessions: $steps steps from seed $seed"
# QtTest stops a test function after 5 minutes; the steps take about 1.5 ms
# each here (100 000 in 150 s), several times that under the sanitizers or on
# a busy machine, so the sessions get 20 ms a step and at least 5 minutes.
timeout_ms=$((steps * 20 > 300000 ? steps * 20 : 300000))
QTEST_FUNCTION_TIMEOUT="$timeout_ms" QT_QPA_PLATFORM=offscreen TRACOL_SESSION_STEPS="$steps" \
    TRACOL_SESSION_SEED="$seed" "$TRACOL_BUILD/tests/sessions/tst_random_sessions"
