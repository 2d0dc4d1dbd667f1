#!/usr/bin/env bash
# Station list download benchmark, not a test: cFTP against curl on a local FTP server.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
ensure_packages "${LUMO_PACKAGES[@]}" "${LUMO_TEST_PACKAGES[@]}" curl
build -DLUMO_TESTS=ON -- lumo_bench_ftp
exec "$LUMO_BUILD/bench/lumo_bench_ftp"
