#!/usr/bin/env bash
# The ticker period of an ordinary user (nobody) whose output thread gets
# real time from the stand-in RTKit of the tests on a private bus, idle and
# under `stress-ng --cpu 2`. Run as root, after building the release preset
# (bench_ticker_period_rtkit and rtkit_standin). Usage: bench/ticker_rtkit.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=build/release
work=$(mktemp -d)
chmod 755 "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <listen>unix:path=$work/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/> <allow own="*"/> <allow send_destination="*"/> <allow receive_sender="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --nofork --print-address=1 >"$work/address" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/address" ] && break; sleep 0.1; done
address=$(head -1 "$work/address")
"$build/tests/rtkit_standin/rtkit_standin" "$address" "$work/calls.log" grant >"$work/ready" &
pids+=($!)
for _ in $(seq 50); do grep -q ready "$work/ready" 2>/dev/null && break; sleep 0.1; done
chmod 666 "$work/bus"
cp "$build/bench/bench_ticker_period_rtkit" "$work/"
chmod 755 "$work/bench_ticker_period_rtkit"

run() {
  setpriv --reuid=65534 --regid=65534 --clear-groups env DBUS_SYSTEM_BUS_ADDRESS="${1:-$address}" \
    "$work/bench_ticker_period_rtkit" "$seconds"
}
echo "== idle"
run
echo "== under stress-ng --cpu 2"
stress-ng --cpu 2 --timeout "$((2 * seconds + 5))s" >/dev/null 2>&1 &
pids+=($!)
sleep 1
run
echo "== under stress-ng --cpu 2, without RTKit"
run "unix:path=$work/no-bus"
echo "== RTKit stand-in calls"
cat "$work/calls.log"
