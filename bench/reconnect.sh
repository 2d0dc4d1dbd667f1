#!/usr/bin/env bash
# Reconnect benchmark, not a test: outages of 5, 40 and 120 s of a loopback live stream
# (about three minutes). Aim: playing within 5 s of each return, at most one request every 3 s.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
ensure_packages "${LUMO_PACKAGES[@]}" "${LUMO_TEST_PACKAGES[@]}"
build -DLUMO_TESTS=ON -- lumo_bench_reconnect
exec "$LUMO_BUILD/bench/lumo_bench_reconnect"
