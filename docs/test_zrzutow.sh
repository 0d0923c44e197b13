#!/usr/bin/env bash
# The picture program drives the windows on the demo shop without a surprise (an unknown
# dialog or question, an error, an empty list) and makes exactly the pictures the guide
# shows, so the pictures can always be made again.
# Arguments: the picture program, the docs folder, the folder of the default word lists.
set -euo pipefail
program=$1
docs=$2
listy=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$program" "$tmp/zrzuty" "$listy" >"$tmp/lista" 2>"$tmp/log" \
    || { cat "$tmp/log"; echo "BŁĄD: program zrzutów" >&2; exit 1; }
grep -o 'src="zrzuty/[^"]*"' "$docs/przewodnik/index.html" | sed 's/src="zrzuty\///; s/"$//' \
    | sort -u >"$tmp/pokazane"
(cd "$tmp/zrzuty" && ls -- *.png) | sort >"$tmp/zrobione"
sort "$tmp/lista" | diff "$tmp/zrobione" - >/dev/null || { echo "BŁĄD: lista zrzutów" >&2; exit 1; }
diff "$tmp/pokazane" "$tmp/zrobione" \
    || { echo "BŁĄD: przewodnik pokazuje (<) lub program robi (>) inne zrzuty" >&2; exit 1; }
echo "Program zrzutów: $(wc -l <"$tmp/zrobione") zrzutów."
