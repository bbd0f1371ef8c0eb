#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the answer board's LaTeX copies of every window with plain LaTeX
# and amsmath: compile_latex.sh BOARD-LATEX WORKDIR [OPTION], the option
# (--document: the exported document) passed to BOARD-LATEX. Exits 77 (a skipped
# test) where no LaTeX is installed (Debian: texlive-latex-base).
set -u
if ! command -v latex >/dev/null 2>&1; then
    echo "latex is not installed: skipped"
    exit 77
fi
mkdir -p "$2" && cd "$2" || exit 1
"$1" ${3:+"$3"} >copies.tex || exit 1
if ! latex -interaction=nonstopmode -halt-on-error copies.tex >copies.out 2>&1; then
    grep -A8 '^!' copies.log || tail -40 copies.out
    exit 1
fi
if grep -q 'Missing character' copies.log; then
    grep 'Missing character' copies.log
    exit 1
fi
echo "compiled $(grep -c 'begin{gather' copies.tex) whole answers"
