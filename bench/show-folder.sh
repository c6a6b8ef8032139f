# Sourced by the idle and first-window scripts: a folder with a copy of the
# program, the fake D2XX library beside it (one device plugged in, by
# FAKE_D2XX_DEVICES), a show of eight scenes with fades and names, and the
# settings that open it at start-up. Sets $show_folder and $program.
# Needs the release build: cmake --preset release && cmake --build --preset release
make_show_folder() {
  local build=$1 tempo=${2:-32}
  show_folder=$(mktemp -d /tmp/korvanel-bench.XXXXXX)
  cp "$build/bin/korvanel" "$show_folder/korvanel"
  cp "$build/tests/libftd2xx.so" "$show_folder/libftd2xx.so"
  program=$show_folder/korvanel
  python3 - "$show_folder/show.kvl" "$tempo" <<'PY'
import sys
path, tempo = sys.argv[1], int(sys.argv[2])
show = bytearray(81920)
scenes = 8
show[131] = 0             # current scene
show[132] = scenes - 1    # last scene
show[133] = tempo         # t*t ms per scene
for c in range(1, 256):
    show[256 + c] = 2 + c % 13                    # fade step per tick
for c in range(1, 65):
    name = ("CH %d" % c).encode().ljust(16, b" ")
    show[512 + 16 * c:512 + 16 * c + 16] = name
for s in range(scenes):
    for c in range(1, 256):
        show[16384 + 256 * s + c] = (c * 37 + s * 71) % 256
open(path, "wb").write(show)
PY
  printf '[LastFile]\r\nPath=%s\r\n' "$show_folder/show.kvl" > "$show_folder/korvanel.ini"
  export FAKE_D2XX_DEVICES=1
}
