#!/usr/bin/env bash
# Builds the Debian packages from a release build of the programs (no tests, no
# benchmarks) with Debian's hardening flags, packs them twice and checks them:
# the same bytes both times, lintian without an error or warning, each package's
# files and Depends, the hardening of every binary, the MIME type, desktop entry,
# metainfo, man pages and udev rule, the player's unit (its sandbox's exposure
# and how systemd reads both kinds of instance). Then, as root, it installs them
# all, opens a show file the way a desktop does under Xvfb, and purges them,
# leaving no file of them behind. The packages are left in build/package/deb/.
#   --rebuild  also builds everything again from nothing in build/package-again
#              and checks that it packs to the same bytes (slow: not in CI)
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
rebuild=0
[ "${1:-}" = --rebuild ] && rebuild=1

bash scripts/install-deps.sh
build=build/package

# The packages' time: the last commit's, or the changelog's outside git. cpack
# dates every file in them with it. The build itself gets a fixed one for the
# resources Qt compiles in, so that it does not change with each commit.
changelog_time=$(dpkg-parsechangelog -l packaging/debian/changelog -STimestamp)
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo "$changelog_time")
export SOURCE_DATE_EPOCH

# Debian's flags, as its own builds take them: fortify, stack protector, full
# RELRO and immediate binding; -ffile-prefix-map keeps this folder's name out.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
# The build folder is mapped too, to one name: the debug information the
# build ID is made from then does not depend on where the build is.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
build_tree() { # folder
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVANEL_WERROR=ON -DKORVANEL_BUILD_TESTS=OFF \
    -DKORVANEL_BUILD_BENCH=OFF -DKORVANEL_BUILD_SOAK=OFF "${launcher[@]}" \
    "-DCMAKE_CXX_FLAGS=$CPPFLAGS $CXXFLAGS -ffile-prefix-map=$PWD/$1=build" \
    "-DCMAKE_EXE_LINKER_FLAGS=$LDFLAGS" "-DCMAKE_SHARED_LINKER_FLAGS=$LDFLAGS" \
    "-DCMAKE_MODULE_LINKER_FLAGS=$LDFLAGS" >/dev/null
  env -u SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE="$changelog_time" cmake --build "$1" -j2
}
pack() { # build folder, output folder
  rm -rf "$1/$2"
  (cd "$1" && cpack -G DEB -B "$2" >/dev/null)
  rm -rf "$1/$2/_CPack_Packages"
}
build_tree "$build"
pack "$build" deb
pack "$build" deb2

fail=0
check() { # what, then a command that must succeed
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; fail=1; fi
}
not() { ! "$@"; }
sums() { (cd "$1" && sha256sum ./*.deb); }
check "two packings give the same bytes" diff <(sums "$build/deb") <(sums "$build/deb2")
if [ "$rebuild" -eq 1 ]; then
  rm -rf build/package-again
  build_tree build/package-again
  pack build/package-again deb
  check "a build from nothing gives the same bytes" diff <(sums "$build/deb") <(sums build/package-again/deb)
fi

version=$(sed -n 's/^project(Korvanel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
check "the changelog's version is the program's" \
  test "$(dpkg-parsechangelog -l packaging/debian/changelog -SVersion)" = "$version"
packages=(korvanel korvanel-player korvanel-common korvanel-remote)
[ -e "$build/lib/korvanel/korvanel-ola.so" ] && packages+=(korvanel-ola)
[ -e "$build/lib/korvanel/korvanel-midi.so" ] && packages+=(korvanel-midi)
declare -A deb
missing=0
for p in "${packages[@]}"; do
  deb[$p]=$(ls "$build"/deb/"${p}_${version}"_*.deb 2>/dev/null || true)
  check "package $p" test -n "${deb[$p]}"
  [ -n "${deb[$p]}" ] || missing=1
done
check "no other package" test "$(ls "$build"/deb/*.deb | wc -l)" -eq "${#packages[@]}"
[ "$missing" -eq 0 ] || { echo "package test: FAILED"; exit 1; }

# Debian's own checker: no error, no warning, no hardening tag at any level. An
# override would be in the package, with its reason beside it.
lintian_out=$(timeout 600 lintian --display-info --fail-on error,warning "$build"/deb/*.deb 2>&1) \
  || lintian_failed=1
printf '%s\n' "$lintian_out" | grep -v -e '^N:' -e 'root privileges' -e '^$' | sed 's/^/  lintian: /' || true
check "lintian: no error or warning" test -z "${lintian_failed:-}"
check "lintian: no hardening tag" test -z "$(grep -E '^[EWIP]: .* hardening-' <<<"$lintian_out")"
# An override says why on the comment lines above it.
overrides_say_why() {
  local text
  text=$(dpkg-deb --fsys-tarfile "$1" | tar -xOf - --wildcards './usr/share/lintian/overrides/*' 2>/dev/null) || true
  awk '/^#/ { why = 1; next } /^[[:space:]]*$/ { why = 0; next } !why { bad = 1 } END { exit bad }' <<<"$text"
}
for d in "$build"/deb/*.deb; do check "lintian overrides in ${d##*/} give a reason" overrides_say_why "$d"; done

field() { dpkg-deb -f "${deb[$1]}" "$2"; }
for p in "${packages[@]}"; do
  check "$p: version $version" test "$(field "$p" Version)" = "$version"
  check "$p: maintainer" test -n "$(field "$p" Maintainer)"
  echo "  $p: $(du -k "${deb[$p]}" | cut -f1) KiB; Depends: $(field "$p" Depends)"
done
names() { field "$1" Depends | tr ',|' '\n\n' | sed 's/(.*//; s/ //g'; }
has_dep() { names "$1" | grep -qx "$2"; }
has_dep_like() { names "$1" | grep -q "$2"; }
# What each program loads at start-up and nothing it loads only for a module.
for dep in libftdi1-2 libqt6widgets6 libqt6dbus6 libc6 libstdc++6 korvanel-common; do
  check "korvanel depends on $dep" has_dep korvanel "$dep"
done
for dep in libftdi1-2 libc6 libstdc++6 korvanel-common; do
  check "korvanel-player depends on $dep" has_dep korvanel-player "$dep"
done
check "korvanel-player depends on no Qt" not has_dep_like korvanel-player '^libqt'
for p in korvanel korvanel-player; do
  for lib in '^libola' '^librtmidi' '^libqt6network' '^libqt6httpserver' '^libqt6websockets' '^libqrencode'; do
    check "$p does not depend on $lib" not has_dep_like "$p" "$lib"
  done
done
for lib in '^libqt6network' '^libqt6websockets' '^libqrencode'; do
  check "korvanel-remote depends on $lib" has_dep_like korvanel-remote "$lib"
done
[ -n "${deb[korvanel-ola]:-}" ] && check "korvanel-ola depends on libola" has_dep_like korvanel-ola '^libola'
[ -n "${deb[korvanel-midi]:-}" ] && check "korvanel-midi depends on RtMidi" has_dep_like korvanel-midi '^librtmidi'
recommends() { field "$1" Recommends | tr ',' '\n' | sed 's/(.*//; s/ //g' | grep -qx "$2"; }
for m in rtkit korvanel-remote ${deb[korvanel-ola]:+korvanel-ola} ${deb[korvanel-midi]:+korvanel-midi}; do
  check "korvanel recommends $m" recommends korvanel "$m"
done
[ -n "${deb[korvanel-ola]:-}" ] && check "korvanel-player recommends korvanel-ola" recommends korvanel-player korvanel-ola
check "korvanel-common is for every architecture" test "$(field korvanel-common Architecture)" = all

# Each package's files, exactly.
files() { dpkg-deb -c "${deb[$1]}" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort; }
doc() { printf 'usr/share/doc/%s/changelog.gz\nusr/share/doc/%s/copyright\n' "$1" "$1"; }
expect_korvanel() {
  echo usr/bin/korvanel
  echo usr/share/applications/korvanel.desktop
  echo usr/share/metainfo/org.korvanel.Korvanel.metainfo.xml
  echo usr/share/mime/packages/korvanel.xml
  echo usr/share/icons/hicolor/scalable/apps/korvanel.svg
  echo usr/share/icons/hicolor/scalable/mimetypes/application-x-korvanel-show.svg
  for size in 16 22 24 32 48 64 128 256; do
    echo "usr/share/icons/hicolor/${size}x${size}/apps/korvanel.png"
    echo "usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-korvanel-show.png"
  done
  echo usr/share/man/man1/korvanel.1.gz
  echo usr/share/man/ru/man1/korvanel.1.gz
  echo usr/share/lintian/overrides/korvanel
  doc korvanel
}
expect_korvanel-player() {
  printf '%s\n' usr/bin/korvanel-player usr/lib/systemd/system/korvanel-player@.service \
    usr/share/man/man1/korvanel-player.1.gz usr/share/man/ru/man1/korvanel-player.1.gz \
    usr/share/doc/korvanel-player/examples/korvanel-player.conf.example
  doc korvanel-player
}
expect_korvanel-common() { echo usr/lib/udev/rules.d/60-korvanel-ftdi.rules; doc korvanel-common; }
expect_korvanel-ola() { echo usr/lib/korvanel/korvanel-ola.so; doc korvanel-ola; }
expect_korvanel-remote() { echo usr/lib/korvanel/korvanel-remote.so; doc korvanel-remote; }
expect_korvanel-midi() { echo usr/lib/korvanel/korvanel-midi.so; doc korvanel-midi; }
for p in "${packages[@]}"; do
  check "$p holds its files and no others" diff <(files "$p") <("expect_$p" | sort)
done
check "only korvanel-common has a maintainer script (its postinst)" \
  test "$(for p in "${packages[@]}"; do dpkg-deb -I "${deb[$p]}" | grep -oE '(pre|post)(inst|rm)' | sed "s/^/$p /"; done |
          sort -u)" = "korvanel-common postinst"

root=$(mktemp -d)
scratch=$(mktemp -d)
cleanup_files() { rm -rf "$root" "$scratch"; }
trap cleanup_files EXIT
# Stopped by a signal, it still cleans up (and purges, once it has installed).
trap 'exit 130' INT TERM
for p in "${packages[@]}"; do dpkg -x "${deb[$p]}" "$root"; done
check "the window's copyright names the program's licence and Qt's texts built into it" \
  eval 'grep -q "^License: GPL-3+$" "$root/usr/share/doc/korvanel/copyright" &&
        grep -q "^Files: qtbase_ru.qm$" "$root/usr/share/doc/korvanel/copyright"'
check "the changelog names this version" \
  eval 'gzip -dc "$root/usr/share/doc/korvanel/changelog.gz" | head -1 | grep -qF "korvanel ($version)"'

# Hardening, as Debian builds: every object compiled with the fortified calls,
# the stack protector and the folder's name mapped away; every program and
# module position-independent, with full RELRO, immediate binding and the stack
# protector in use. A call fortified only where the compiler knows the buffer's
# size, so its checked form is no proof of the flag: the compile commands are.
every_compile_has() { # flag
  python3 -c 'import json, sys
cmds = json.load(open(sys.argv[1]))
sys.exit(not cmds or any(sys.argv[2] not in c["command"].split() for c in cmds))' "$build/compile_commands.json" "$1"
}
for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong "-ffile-prefix-map=$PWD=."; do
  check "every compile has $flag" every_compile_has "$flag"
done
binaries=("$root/usr/bin/korvanel" "$root/usr/bin/korvanel-player" "$root"/usr/lib/korvanel/*.so)
hardened() {
  local h d s
  h=$(readelf -lW "$1") d=$(readelf -dW "$1") s=$(readelf --dyn-syms -W "$1")
  grep -q GNU_RELRO <<<"$h" && grep -qE 'FLAGS.*\bNOW\b|BIND_NOW' <<<"$d" && grep -q __stack_chk_fail <<<"$s" &&
    readelf -hW "$1" | grep -q 'DYN (' && test -z "$(readelf -SW "$1" | grep -F .comment)"
}
for b in "${binaries[@]}"; do check "hardened and stripped: ${b#"$root"/}" hardened "$b"; done

# No program or module names a folder of the build or the source: none looks
# for code there (strings also shows an RPATH or RUNPATH).
names_no_build_folder() { strings -a "$@" >/dev/null && ! strings -a "$@" | grep -F -e "$PWD" -e "$(realpath "$build")"; }
built=("$build/bin/korvanel" "$build/bin/korvanel-player" "$build"/lib/korvanel/*.so)
check "built programs and modules name no build or source folder" names_no_build_folder "${built[@]}"
check "packaged programs and modules name no build or source folder" names_no_build_folder "${binaries[@]}"
check "nothing outside /usr" test "$(ls "$root")" = usr
check "desktop entry valid" desktop-file-validate "$root/usr/share/applications/korvanel.desktop"
check "desktop entry opens show files" eval \
  'grep -qx "MimeType=application/x-korvanel-show;" "$root/usr/share/applications/korvanel.desktop" &&
   grep -qx "Exec=korvanel %f" "$root/usr/share/applications/korvanel.desktop"'
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

# The MIME type as shared-mime-info builds it, in a scratch database: a .kvl by
# its name, and a saved show by its header whatever its name.
show_header() { printf 'Korvanel DMX512 show: 256 scenes x 255 channels.      \r\nContact: the lighting desk of this venue. '; }
write_show() { { show_header; head -c $((81920 - 98)) /dev/zero; } >"$1"; }
mkdir -p "$scratch/mime/packages" "$scratch/shows"
cp "$root/usr/share/mime/packages/korvanel.xml" "$scratch/mime/packages/"
check "MIME type file well formed" xmllint --noout "$scratch/mime/packages/korvanel.xml"
check "update-mime-database takes it" eval 'update-mime-database "$scratch/mime" >/dev/null 2>&1'
write_show "$scratch/shows/Витрина зима.kvl"
write_show "$scratch/shows/saved-show.bin"
head -c 81920 /dev/zero >"$scratch/shows/blank.kvl"
head -c 81920 /dev/zero >"$scratch/shows/blank.bin"
mime_of() { XDG_DATA_HOME=$scratch XDG_DATA_DIRS=/usr/share mimetype --brief --database="$scratch/mime" "$1"; }
check "a .kvl with the header is a show" test "$(mime_of "$scratch/shows/Витрина зима.kvl")" = application/x-korvanel-show
check "a .kvl by its name alone is a show" test "$(mime_of "$scratch/shows/blank.kvl")" = application/x-korvanel-show
check "a saved show under another name is a show" test "$(mime_of "$scratch/shows/saved-show.bin")" = application/x-korvanel-show
check "another file is not" test "$(mime_of "$scratch/shows/blank.bin")" != application/x-korvanel-show

# The player's unit: its sandbox rated by systemd, and how systemd's own loader
# reads an instance of each kind.
unit="$root/usr/lib/systemd/system/korvanel-player@.service"
exposure=$(timeout 60 systemd-analyze security --offline=true --no-pager "$unit" 2>&1 | sed -n 's/.*Overall exposure level for .*: \([0-9.]*\).*/\1/p')
echo "  player unit's exposure: ${exposure:-none}"
check "player unit's exposure at most 3.0" awk -v e="${exposure:-99}" 'BEGIN { exit !(e <= 3.0) }'
units=$scratch/units
mkdir -p "$units" && cp "$unit" "$units/" && chmod -R a+rX "$scratch"
path_show="/srv/shows/Витрина зима.kvl"
path_instance=$(systemd-escape --path "$path_show")
# `systemd --test` refuses root: it runs as nobody, and only reads units.
loaded() { # instance name
  SYSTEMD_UNIT_PATH=$units: timeout 60 setpriv --reuid=65534 --regid=65534 --clear-groups \
    /lib/systemd/systemd --test --system --no-pager --unit="korvanel-player@$1.service" 2>/dev/null |
    u="-> Unit korvanel-player@$1.service:" awk 'index($0, ENVIRON["u"]) { on = 1; next } on && /^\t-> Unit / { exit } on'
}
path_unit=$(loaded "$path_instance")
check "path instance: the show is its path, spaces and all" grep -qxF $'\t\tEnvironment: SHOW='"$path_show" <<<"$path_unit"
check "path instance: it waits for the show's mounts" grep -qF "RequiresMountsFor: $path_show" <<<"$path_unit"
check "path instance: its own environment file is optional" \
  grep -qxF $'\t\tEnvironmentFile: -/etc/korvanel/player/'"$path_instance.conf" <<<"$path_unit"
name_unit=$(loaded shop-window)
check "short-name instance: reads /etc/korvanel/player/NAME.conf" \
  grep -qxF $'\t\tEnvironmentFile: -/etc/korvanel/player/shop-window.conf' <<<"$name_unit"
check "unit: notify, watchdog 5 s, the show as one argument after the options" eval \
  'grep -qx "[[:space:]]*Type: notify" <<<"$name_unit" && grep -qx "[[:space:]]*WatchdogSec: 5s" <<<"$name_unit" &&
   grep -qF "Command Line: /usr/bin/korvanel-player \"\\\$OPTIONS\" -- \"\\\${SHOW}\"" <<<"$name_unit"'

# Installed as a user would, then opened from a file manager's double-click
# (xdg-open, under Xvfb), then purged with nothing left behind.
install_test() {
  local before
  if [ "$(id -u)" -ne 0 ]; then
    echo "FAILED: installing needs root (CI runs as root)"; fail=1; return
  fi
  if dpkg-query -W -f='${Status}\n' "${packages[@]}" 2>/dev/null | grep -q "ok installed"; then
    echo "FAILED: a korvanel package is installed already; not touching it"; fail=1; return
  fi
  before=$(dpkg-query -W -f='${Package}\n' | sort)
  purge() {
    DEBIAN_FRONTEND=noninteractive timeout 300 apt-get purge -y -qq "${packages[@]}" >/dev/null 2>&1 || true
    # Whatever the install brought in besides, so the machine is as it was.
    local extra
    extra=$(comm -13 <(echo "$before") <(dpkg-query -W -f='${Package}\n' | sort))
    [ -z "$extra" ] || DEBIAN_FRONTEND=noninteractive timeout 300 apt-get purge -y -qq $extra >/dev/null 2>&1 || true
  }
  trap 'purge; cleanup_files' EXIT
  local debs=()
  for p in "${packages[@]}"; do debs+=("$(realpath "${deb[$p]}")"); done
  check "apt-get installs every package" eval \
    'DEBIAN_FRONTEND=noninteractive timeout 600 apt-get install -y -qq --no-install-recommends "${debs[@]}" >/dev/null'
  local home=$scratch/home show=$scratch/shows/open-me.kvl
  mkdir -p "$home"
  write_show "$show"
  desk() { env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$home" LANG=C.UTF-8 timeout 30 "$@"; }
  check "xdg-mime: a .kvl is a show" test "$(desk xdg-mime query filetype "$show")" = application/x-korvanel-show
  check "xdg-mime: shows open in korvanel.desktop" \
    test "$(desk xdg-mime query default application/x-korvanel-show)" = korvanel.desktop
  # Installed, the program and its man page are there to check too; any word
  # from verify is a fault.
  verified() { local out; out=$(timeout 60 systemd-analyze verify "/usr/lib/systemd/system/korvanel-player@$1.service" 2>&1) &&
    { [ -z "$out" ] || { echo "$out"; false; }; }; }
  check "systemd-analyze verify: path instance" verified "$path_instance"
  check "systemd-analyze verify: short-name instance" verified shop-window
  # Open the show as a file manager would, then look for the window program
  # started with it.
  env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$home" LANG=C.UTF-8 \
    timeout 60 xvfb-run -a sh -c "xdg-open '$show'; sleep 15" >/dev/null 2>&1 &
  local opener=$! found="" pid
  for _ in $(seq 100); do
    for pid in $(pgrep -x korvanel || true); do
      case "$(tr '\0' '\n' </proc/"$pid"/cmdline 2>/dev/null)" in
        "korvanel"$'\n'"$show" | "/usr/bin/korvanel"$'\n'"$show") found=$pid ;;
      esac
    done
    [ -n "$found" ] && break
    sleep 0.2
  done
  check "xdg-open under Xvfb starts korvanel with the show" test -n "$found"
  [ -n "$found" ] && kill "$found" 2>/dev/null
  kill "$opener" 2>/dev/null || true
  wait "$opener" 2>/dev/null || true
  purge
  trap cleanup_files EXIT
  check "purged: dpkg knows none of the packages" eval \
    '! dpkg-query -W -f="\${Status}\n" "${packages[@]}" 2>/dev/null | grep -q "installed"'
  check "purged: no /usr/lib/korvanel" test ! -e /usr/lib/korvanel
  check "purged: no /usr/share/doc/korvanel*" test -z "$(ls -d /usr/share/doc/korvanel* 2>/dev/null)"
  check "purged: nothing else the install brought" \
    test "$(dpkg-query -W -f='${Package}\n' | sort)" = "$before"
}
install_test

echo "packages in $build/deb/; package test took $((SECONDS - started)) s"
if [ "$fail" -ne 0 ]; then
  echo "package test: FAILED"
  exit 1
fi
echo "package test: ok"
