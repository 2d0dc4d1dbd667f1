#!/usr/bin/env bash
# Station list benchmark, not a test: a generated 50,000-station catalogue.
#   bench/catalogue.sh [stations]
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
ensure_packages "${LUMO_PACKAGES[@]}" "${LUMO_TEST_PACKAGES[@]}"
build -DLUMO_TESTS=ON -- lumo_bench_catalogue
exec "$LUMO_BUILD/bench/lumo_bench_catalogue" "${1:-50000}"
