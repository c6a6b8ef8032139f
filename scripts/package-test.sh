#!/usr/bin/env bash
# Builds the Debian package from a release build of the programs (no tests,
# no benchmarks) twice, and checks it: the same file list both times, the
# control fields (Depends computed by dpkg-shlibdeps, plus libftdi1), and the
# files a `dpkg -x` into a scratch root holds. The package is left in
# build/package/deb/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
build=build/package
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVANEL_WERROR=ON -DKORVANEL_BUILD_TESTS=OFF \
  -DKORVANEL_BUILD_BENCH=OFF -DKORVANEL_BUILD_SOAK=OFF "${launcher[@]}" >/dev/null
cmake --build "$build"

rm -rf "$build/deb" "$build/deb2"
(cd "$build" && cpack -G DEB -B deb >/dev/null && cpack -G DEB -B deb2 >/dev/null)
deb=$(ls "$build"/deb/korvanel_*.deb)
fail=0
check() { # what, then a command that must succeed
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; fail=1; fi
}
listing() { dpkg-deb -c "$1" | awk '{print $1, $6}' | sort; }
check "two builds give the same file list" diff <(listing "$deb") <(listing "$(ls "$build"/deb2/korvanel_*.deb)")

field() { dpkg-deb -f "$deb" "$1"; }
version=$(sed -n 's/^project(Korvanel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
check "Package: korvanel" test "$(field Package)" = korvanel
check "Version: $version" test "$(field Version)" = "$version"
check "Maintainer set" test -n "$(field Maintainer)"
depends=$(field Depends)
echo "Depends: $depends"
for dep in libftdi1-2 libqt6widgets6 libqt6dbus6 libc6 libstdc++6; do
  check "Depends names $dep" grep -q "\b$dep\b" <<<"$depends"
done
check "Recommends rtkit" grep -q rtkit <<<"$(field Recommends)"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for f in usr/bin/korvanel usr/share/applications/korvanel.desktop usr/share/metainfo/org.korvanel.Korvanel.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/korvanel.svg usr/lib/udev/rules.d/60-korvanel-ftdi.rules; do
  check "$f" test -s "$root/$f"
done
for size in 16 22 24 32 48 64 128 256; do
  check "${size}px icon" test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/korvanel.png"
done
check "remote page module where the program looks for it" test -s "$root/usr/lib/korvanel/korvanel-remote.so"
if [ -e "$build/lib/korvanel/korvanel-midi.so" ]; then
  check "MIDI module where the program looks for it" test -s "$root/usr/lib/korvanel/korvanel-midi.so"
fi
if [ -e "$build/lib/korvanel/korvanel-ola.so" ]; then
  check "OLA module where the program looks for it" test -s "$root/usr/lib/korvanel/korvanel-ola.so"
fi
# No program or module names a folder of the build or the source: none looks
# for code there (strings also shows an RPATH or RUNPATH).
names_no_build_folder() { strings -a "$@" >/dev/null && ! strings -a "$@" | grep -F -e "$PWD" -e "$(realpath "$build")"; }
built=("$build/bin/korvanel" "$build/bin/korvanel-player" "$build"/lib/korvanel/*.so)
check "built programs and modules name no build or source folder" names_no_build_folder "${built[@]}"
check "packaged programs and modules name no build or source folder" names_no_build_folder \
  "$root/usr/bin/korvanel" "$root/usr/bin/korvanel-player" "$root"/usr/lib/korvanel/*.so
check "nothing outside /usr" test "$(ls "$root")" = usr
check "nothing under /usr/local" test ! -e "$root/usr/local"
check "the program is executable" test -x "$root/usr/bin/korvanel"
check "desktop entry valid" desktop-file-validate "$root/usr/share/applications/korvanel.desktop"
check "metainfo valid" appstreamcli validate --no-net "$root/usr/share/metainfo/org.korvanel.Korvanel.metainfo.xml"
check "udev rule" python3 packaging/check-udev-rule.py "$root/usr/lib/udev/rules.d/60-korvanel-ftdi.rules"
# Each man page in English, the default, and in Russian, both read by man without a warning.
man_reads() { # file.gz, its first section's name
  gzip -dc "$1" | grep -q "^\.SH $2\$" && test -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)"
}
for page in korvanel korvanel-player; do
  check "man page $page(1)" man_reads "$root/usr/share/man/man1/$page.1.gz" NAME
  check "man page $page(1) in Russian" man_reads "$root/usr/share/man/ru/man1/$page.1.gz" ИМЯ
done

echo "package: $deb, $(du -k "$deb" | cut -f1) KiB"
if [ "$fail" -ne 0 ]; then
  echo "package test: FAILED"
  exit 1
fi
echo "package test: ok"
