#!/usr/bin/env bash
# Unpacks Debian's source packages of the C libraries the web edition
# compiles with emscripten (Debian's emscripten has no ports) into
# build/web/src/NAME. A private apt configuration adds the deb-src entry, so
# the machine's own apt sources stay untouched; nothing lands outside build/.
# Usage: fetch-sources.sh OUT_DIR PACKAGE...
set -euo pipefail
out="$1"
shift
apt_dir="$out/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$out"
out="$(cd "$out" && pwd)"
apt_dir="$out/apt"
suite="$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")"
echo "deb-src http://deb.debian.org/debian $suite main" > "$apt_dir/sources.list"
apt_options=(
  -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
  -o "APT::Sandbox::User=root" -o "Debug::NoLocking=1"
)
need_update=0
for package in "$@"; do
  [ -d "$out/$package" ] || need_update=1
done
[ "$need_update" -eq 0 ] && exit 0
apt-get "${apt_options[@]}" update -qq
for package in "$@"; do
  [ -d "$out/$package" ] && continue
  work="$out/unpack-$package"
  rm -rf "$work"
  mkdir -p "$work"
  (cd "$work" && apt-get "${apt_options[@]}" source -qq --only-source "$package" >/dev/null)
  tree="$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)"
  if [ -z "$tree" ]; then
    echo "fetch-sources.sh: apt-get source $package unpacked nothing" >&2
    exit 1
  fi
  mv "$tree" "$out/$package"
  rm -rf "$work"
done
