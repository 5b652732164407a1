#!/usr/bin/env bash
# Compares the options a manual page documents (its OPTIONS section) with the
# options its program lists in --help, and names every one that is in only one.
#   CheckManOptions.sh PAGE.1.gz PROGRAM [ARG...]
set -euo pipefail
page=$1
shift
name=$(basename "$page" .gz)
fail() { echo "CheckManOptions: $name: $*" >&2; exit 1; }

# Every word that starts with - or -- and a letter ("--out", "-h"); a dash
# inside a word ("counter-clockwise") or before a digit ("-300") is not one.
# Hyphen and minus characters of the page's rendering count as -.
options() {
  sed 's/\xe2\x80\x90/-/g; s/\xe2\x88\x92/-/g' |
    grep -oE '(^|[^[:alnum:]-])--?[[:alpha:]][[:alnum:]-]*' | sed 's/^[^-]*//' | sort -u || true
}

[ -f "$page" ] || fail "no manual page $page (is scdoc installed? the build makes it)"
rendered=$(MANWIDTH=250 man -l "$page" 2>/dev/null) || fail "man cannot render $page"
section=$(sed -n '/^OPTIONS$/,/^[A-Z]/{/^[A-Z]/!p}' <<<"$rendered")
[ -n "$section" ] || fail "the manual page has no OPTIONS section"
documented=$(options <<<"$section")

program=$(basename "$1")
status=0
help=$(timeout 10 "$@" --help 2>&1) || status=$?
[ $status -ne 124 ] || fail "'$program --help' did not finish in 10 s (does it know --help?)"
[ $status -eq 0 ] || fail "'$program --help' failed with exit status $status: $help"
listed=$(options <<<"$help")
[ -n "$listed" ] || fail "'$program --help' lists no options: $help"

words() { paste -sd ' '; }
only_page=$(comm -23 <(echo "$documented") <(echo "$listed") | words)
only_help=$(comm -13 <(echo "$documented") <(echo "$listed") | words)
[ -z "$only_page" ] ||
  echo "CheckManOptions: $name: the manual page documents options that --help does not list: $only_page" >&2
[ -z "$only_help" ] ||
  echo "CheckManOptions: $name: --help lists options that the manual page does not document: $only_help" >&2
[ -z "$only_page$only_help" ] ||
  fail "keep packaging/man/${name%.1}.1.scd and the program's --help in step"
echo "CheckManOptions: $name and --help agree on $(words <<<"$listed")"
