#!/usr/bin/env bash
# Responsiveness benchmark, not a test: the window's answer time while hostile pictures arrive
# for the studio camera and the adverts, and the memory they take.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
ensure_packages "${LUMO_PACKAGES[@]}" "${LUMO_TEST_PACKAGES[@]}"
build -DLUMO_TESTS=ON -- lumo_bench_hostile_pictures
QT_QPA_PLATFORM=offscreen exec "$LUMO_BUILD/bench/lumo_bench_hostile_pictures"
