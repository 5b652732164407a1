#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary folder and checks it
# as a user would get it: programs, desktop entry and icons in their places,
# and the unpacked simulator starting with its window and icon.
#   CheckPackage.sh BUILD_DIR VERSION PROGRAM,PROGRAM...   (on an X display)
set -euo pipefail
build=$1 version=$2
IFS=',' read -r -a programs <<<"$3"
work=$(mktemp -d)
trap 'kill "${sim:-}" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "CheckPackage: $*" >&2; exit 1; }

cmake --build "$build" --target "${programs[@]}" >/dev/null
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb="$work/out/axim7-sim_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$work/out")"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6widgets6 libjpeg62-turbo; do
  [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -ge 3 ] || fail "no long description"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for program in "${programs[@]}"; do
  [[ "$(file -L "$root/usr/bin/$program")" == *"ELF 64-bit"*"executable"* ]] ||
    fail "usr/bin/$program is not a program"
done
entry="$root/usr/share/applications/axim7-sim.desktop"
desktop-file-validate "$entry" || fail "$entry does not validate"
exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$exec" ] || fail "the desktop entry starts $exec, which is not in usr/bin"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  [[ "$(file "$png")" == *"PNG image data, $size x $size"* ]] || fail "$png is not a $size px PNG"
done

# The unpacked program, started as the desktop entry would start it.
"$root/usr/bin/$exec" >"$work/sim.log" 2>&1 &
sim=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name "Orlyn AXIM-7 Simulator" | head -1) ||
  { cat "$work/sim.log" >&2; fail "the window did not appear"; }
# (Read whole first: grep -q leaving early would fail the pipe under pipefail.)
icons=$(xprop -id "$window" _NET_WM_ICON)
[[ "$icons" == *"Icon (48 x 48)"* ]] || fail "the window shows no icon"
kill -0 "$sim" || fail "the program ended"
echo "CheckPackage: $(basename "$deb") holds ${programs[*]}, its desktop entry and icons; it starts"
