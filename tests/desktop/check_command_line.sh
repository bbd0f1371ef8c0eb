#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line before any window: --help and --version print and end with
# status 0 without a display; with no display at all the program says so and
# ends with status 1 instead of aborting; --solve answers without a display,
# and names what it cannot find.
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
# --solve needs no display: the answer, the message of a stop, the board.
expect 0 '^TNijiForm.EditAns = 1 , 2$' out "$program" --solve TNijiForm Edit2=1 Edit1=-3 Edit0=2
expect 0 '^focus TNijiForm.Edit1$' out "$program" --solve TNijiForm Edit2=1 Edit1=x Edit0=2
expect 0 '^board window=２次方程式 problem=x² − 3x + 2 = 0 answer=x = 1, 2$' out \
    "$program" --solve TNijiForm Edit2=1 Edit1=-3 Edit0=2 --board
expect 0 '^TJunretuForm.AnsCEdit = 10$' out "$program" --solve TJunretuForm C1Edit=5 C2Edit=2 \
    --click CButton
expect 2 'no window to solve named TNoForm' err "$program" --solve TNoForm
expect 2 'no radio or command button NoButton' err "$program" --solve TNijiForm --click NoButton
expect 2 'expected FIELD=TEXT' err "$program" --solve TNijiForm Edit2
cd / && rm -rf "$dir"
exit $failed
