#!/usr/bin/env bash
# Read-ahead benchmark, not a test: for each size (64 KiB, the player's own, 1 MiB and libVLC's
# default 16 MiB; read 64 KiB at a time, libVLC's default read being 16 MiB) libVLC plays a loopback live stream whose pieces arrive up to the jitter late,
# in a process of its own, and prints buffers played and lost, the times it ran dry and the
# memory it grew by. Aim: the player's size never runs dry where 16 MiB does not, and keeps
# memory flat.
#   bench/readahead.sh [seconds each, default 120] [jitter ms, default 1000]
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
SECONDS_EACH="${1:-120}"
JITTER="${2:-1000}"
ensure_packages "${LUMO_PACKAGES[@]}" "${LUMO_TEST_PACKAGES[@]}"
build -DLUMO_TESTS=ON -- lumo_bench_readahead
own=$(sed -n 's/.*kNetworkReadAheadKiB = \([0-9]*\);.*/\1/p' "$LUMO_ROOT/src/media/VlcMediaPlayer.h")
echo "live stream of 44100 B/s, pieces up to $JITTER ms late, $SECONDS_EACH s each; the player reads ahead $own KiB"
for kib in 64 "$own" 1024 16384; do
    "$LUMO_BUILD/bench/lumo_bench_readahead" "$kib" "$SECONDS_EACH" "$JITTER"
done
