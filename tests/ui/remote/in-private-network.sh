#!/bin/sh
# Runs a command in a network namespace of its own that holds loopback and a
# bridge without ports holding two documentation addresses: a server listening on every
# interface there is reachable from nowhere else. Exit 77 (skipped) without root.
unshare -n true 2>/dev/null || { echo "skipped: a private network namespace needs root"; exit 77; }
exec unshare -n sh -c 'ip link set lo up && ip link add korvlan0 type bridge &&
  ip addr add 192.0.2.10/24 dev korvlan0 && ip addr add 198.51.100.10/24 dev korvlan0 &&
  ip link set korvlan0 up && exec "$@"' sh "$@"
