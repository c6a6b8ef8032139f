#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-translations-l10n # Qt's own texts in the program's language
  qt6-l10n-tools qt6-tools-dev # lupdate and lrelease, and their CMake functions, for the program's texts
  libftdi1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool
  clang-format python3
  clang libclang-rt-14-dev # the fuzz preset: clang and its libFuzzer runtime
  # Packaging and its checks; dbus-daemon for the stand-in RTKit's private bus.
  dpkg-dev desktop-file-utils appstream dbus-daemon
  # scripts/package-test.sh: Debian's package checker, the unit's checks
  # (systemd-analyze, systemd --test), man, the MIME database and the desktop's
  # way of opening a file (xdg-mime, xdg-open; mimetype for a scratch database);
  # file for cpack, readelf and strings, pgrep.
  lintian systemd man-db shared-mime-info libxml2-utils xdg-utils libfile-mimeinfo-perl file binutils procps
  # The remote page: its server and QR code; its browser test drives headless Chromium.
  qt6-websockets-dev libqrencode-dev chromium
  ola libola-dev ola-python # the OLA output; its tests start private daemons
  iproute2 # the sACN test's bridge inside its private network
  liblo-dev liblo-tools # the OSC input; oscsend and oscdump for trying it by hand
  # MIDI controllers: RtMidi for the module; its tests start a JACK server of
  # their own (dummy driver) and drive it as a controller would; python3-rtmidi
  # plays a controller from a script by hand.
  librtmidi-dev jackd2 python3-rtmidi
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  # The ola package starts its daemon at once and at every boot, with settings that
  # turn on every network plugin. Where no one has set it up, its own switch keeps
  # it from starting; the tests start daemons of their own.
  # `systemctl start olad` then reports success and starts nothing.
  if printf '%s\n' "${missing[@]}" | grep -qx ola && [ ! -e /etc/default/ola ]; then
    printf '%s\n' '# Written by korvanel scripts/install-deps.sh: olad is not started as a service.' \
      '# To start it at boot, remove this file.' 'DAEMON_ARGS=""' | $sudo tee /etc/default/ola >/dev/null
    echo "install-deps: wrote /etc/default/ola (DAEMON_ARGS=\"\") so that the ola package's olad service, which" \
      "would turn on every network plugin, does not start (systemctl start olad now does nothing);" \
      "to run olad as a service: sudo rm /etc/default/ola && sudo systemctl restart olad"
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
