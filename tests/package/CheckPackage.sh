#!/usr/bin/env bash
# Builds the Debian package, has lintian check it against Debian's standards,
# unpacks it into a temporary folder and checks it as a user would get it:
# programs, manual pages, copyright, changelog, desktop entry, icons and
# scenarios in their places, the installed scenarios passing, and the unpacked
# simulator starting with its window and icon.
#   CheckPackage.sh BUILD_DIR VERSION PROGRAM,PROGRAM...   (on an X display)
set -euo pipefail
build=$1 version=$2
IFS=',' read -r -a programs <<<"$3"
work=$(mktemp -d)
trap 'kill "${sim:-}" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "CheckPackage: $*" >&2; exit 1; }

cmake --build "$build" --target "${programs[@]}" package-docs >/dev/null
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

# Debian's own checker: any error or warning fails (overrides only with a reason).
command -v lintian >/dev/null || fail "lintian is not installed (apt install lintian)"
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  { grep -v '^running with root privileges' "$work/lintian.log" >&2; fail "lintian finds faults"; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
for program in "${programs[@]}"; do
  [[ "$(file -L "$root/usr/bin/$program")" == *"ELF 64-bit"*"executable"* ]] ||
    fail "usr/bin/$program is not a program"
done
doc="$root/usr/share/doc/axim7-sim"
head -1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "$doc/copyright is not in Debian's machine-readable format"
[ "$(zcat "$doc/changelog.gz" | head -1)" = "axim7-sim ($version) unstable; urgency=medium" ] ||
  fail "$doc/changelog.gz does not start with version $version"

# Each program's manual page, naming the guided tour the package installs.
scenarios=usr/share/axim7-sim/scenarios
for program in "${programs[@]}"; do
  page="$root/usr/share/man/man1/$program.1.gz"
  [ -f "$page" ] || fail "no manual page $page"
  text=$(man -l "$page" 2>&1)
  [[ "$text" == *"/$scenarios/tour.yaml"* ]] || fail "the manual page of $program does not name the tour"
done
[ -f "$root/$scenarios/tour.yaml" ] || fail "no $scenarios/tour.yaml"

# The installed scenarios pass as they are, run from their folder with --out
# (as an ordinary user when the test runs as root, to whom the folder is read-only).
if [[ " ${programs[*]} " == *" axim7-scenario "* ]]; then
  user=()
  mkdir -m 777 "$work/scenario-out"
  if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$work"
    user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  "${user[@]}" "$root/usr/bin/axim7-scenario" --out "$work/scenario-out" "$root/$scenarios"/*.yaml \
    >"$work/scenarios.log" 2>&1 ||
    { cat "$work/scenarios.log" >&2; fail "the installed scenarios do not pass"; }
fi

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
echo "CheckPackage: $(basename "$deb") is lintian-clean and holds ${programs[*]}, their manual pages," \
  "its copyright, changelog, desktop entry, icons and scenarios ($(tail -1 "$work/scenarios.log" 2>/dev/null)); it starts"
