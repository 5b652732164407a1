#!/usr/bin/env bash
# A stand-in program for checking CheckManOptions.sh itself: prints its first
# argument when asked for --help.
#   FakeHelp.sh TEXT --help
[ "${2:-}" = --help ] && printf '%s\n' "$1"
