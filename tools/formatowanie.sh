#!/usr/bin/env bash
# Checks that every C++ source file of the repository is formatted as .clang-format says;
# lists the files that drift and fails. With --popraw, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t pliki < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' |
                     while read -r p; do [ -f "$p" ] && echo "$p"; done)
if [ "${1:-}" = "--popraw" ]; then
    clang-format -i "${pliki[@]}"
    exit 0
fi
zle=()
for p in "${pliki[@]}"; do
    clang-format --dry-run --Werror "$p" >/dev/null 2>&1 || zle+=("$p")
done
if [ ${#zle[@]} -gt 0 ]; then
    printf 'Not formatted as .clang-format says (tools/formatowanie.sh --popraw mends them):\n'
    printf '  %s\n' "${zle[@]}"
    exit 1
fi
echo "clang-format: ${#pliki[@]} files checked, all formatted"
