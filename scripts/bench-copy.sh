#!/usr/bin/env bash
# Copy-to-history time under Wine: twenty copies in notepad with the real program running, each
# timed from Ctrl+C to the copy on the clipboard (the reference: notepad's own part) and on to the
# copy in the program's history file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/deps.sh
source scripts/lib/build.sh
source scripts/lib/wine.sh

mirvo_e2e_figures 'ProgramClipboard.*' 'copy to history: median' 'copy to history: median'
