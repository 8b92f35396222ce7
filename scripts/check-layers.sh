#!/usr/bin/env bash
# Checks that every include of the portable program points down the layer order written in
# docs/ARCHITECTURE.md (the block fenced as "layers", top layer first; folders on one line are
# peers and include nothing of each other), and that no portable file includes src/win32/.
# Prints one line per include that breaks the order and a count; exits 1 when there is one.
# check-layers.sh [source folder] [layer file]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
src=${1:-$root/src}
layers=${2:-$root/docs/ARCHITECTURE.md}

# Folder -> rank, from the fenced block: the first tokens of a line that end in "/".
declare -A rank=()
n=0
while IFS= read -r line; do
    n=$((n + 1))
    for token in $line; do
        [[ $token == */ ]] || break
        rank[${token%/}]=$n
    done
done < <(awk '/^```layers/ {inside = 1; next} /^```/ {inside = 0} inside' "$layers")
if [ ${#rank[@]} -eq 0 ]; then
    echo "layers: no layer block in $layers"
    exit 1
fi

checked=0
up=0
report() {
    up=$((up + 1))
    echo "  $1"
}
while IFS= read -r file; do
    rel=${file#"$src"/}
    folder=${rel%%/*}
    case $folder in win32 | launcher) continue ;; esac
    if [ -z "${rank[$folder]:-}" ]; then
        report "$rel: the folder $folder/ has no place in the layer order"
        continue
    fi
    while IFS= read -r target; do
        [ "$target" = "$folder" ] && continue
        checked=$((checked + 1))
        if [ "$target" = win32 ]; then
            report "$rel includes win32/: portable code never does"
        elif [ -z "${rank[$target]:-}" ]; then
            report "$rel includes $target/, which has no place in the layer order"
        elif [ "${rank[$target]}" -le "${rank[$folder]}" ]; then
            if [ "${rank[$target]}" -eq "${rank[$folder]}" ]; then
                report "$rel includes $target/, a peer of $folder/"
            else
                report "$rel includes $target/, a layer above $folder/"
            fi
        fi
    done < <(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z0-9_]*\)/.*|\1|p' "$file")
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

echo "layers: $checked includes between folders checked, $up against the layer order"
[ $up -eq 0 ]
