#!/usr/bin/env bash
# Paste figures under Wine, each next to a plain program doing the same job in the same run
# (bench/win32/PlainPaste.cpp), the two taken in turns: 24 bulk items pasted into notepad, and
# a click on a clip to its text in notepad next to the plain program's single paste.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/deps.sh
source scripts/lib/build.sh
source scripts/lib/wine.sh

mirvo_e2e_figures 'PasteFigures.*' 'click to text in notepad: median' 'bulk paste of|click to text in notepad'
