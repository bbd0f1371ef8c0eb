#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line before any window: --help and --version print and end with
# status 0 without a display; with no display at all the program says so and
# ends with status 1 instead of aborting.
# Usage: check_command_line.sh PROGRAM
program=$1
failed=0

fail() {
    echo "$*" >&2
    failed=1
}

# expect STATUS PATTERN STREAM COMMAND...: the status, and a line of the
# stream (out or err) that matches the pattern.
expect() {
    status=$1 pattern=$2 stream=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >out.txt 2>err.txt
    got=$?
    [ "$got" -eq "$status" ] || fail "$*: status $got, expected $status"
    grep -q "$pattern" "$stream.txt" || fail "$*: no line '$pattern' on std$stream"
}

dir=$(mktemp -d)
cd "$dir" || exit 2
expect 0 '^Usage: vorantel' out "$program" --help
expect 0 '^  --version' out "$program" --help
expect 0 '^Vorantel [0-9][0-9.]*$' out "$program" --version
expect 0 '^Vorantel ' out "$program" -style Fusion --version
expect 1 'no windows can be opened: there is no display' err "$program"
expect 1 'set DISPLAY' err "$program"
# A display that names no running server: the same message, not an abort.
expect 1 'no windows can be opened on the display (DISPLAY=:97)' err env DISPLAY=:97 "$program"
expect 1 'QT_QPA_PLATFORM=nowhere' err env QT_QPA_PLATFORM=nowhere "$program"
cd / && rm -rf "$dir"
exit $failed
