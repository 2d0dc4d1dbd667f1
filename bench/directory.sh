#!/usr/bin/env bash
# The directory update on a generated 50,000-station answer, not a test: the conversion's
# time and peak memory, then the chooser's first fill and slowest keystroke on the result.
#   bench/directory.sh [stations]
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
ensure_packages "${LUMO_PACKAGES[@]}" "${LUMO_TEST_PACKAGES[@]}"
build -DLUMO_TESTS=ON -- lumo_bench_directory
stations="${1:-50000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/directory_answer.py" "$stations" "$work/answer.json"
echo "answer: $stations stations, $(du -h "$work/answer.json" | cut -f1)"
exec "$LUMO_BUILD/bench/lumo_bench_directory" "$work/answer.json"
