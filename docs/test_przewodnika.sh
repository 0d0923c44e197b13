#!/usr/bin/env bash
# The operator's guide: its sections and pictures in the source tree and in an install.
# Arguments: the docs folder, the build folder.
set -euo pipefail
docs=$1
budowa=$2
przewodnik="$docs/przewodnik"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
blad() { echo "BŁĄD: $*" >&2; exit 1; }

# Every part of the counter's work has its section.
for sekcja in pierwsze pulpit wypozyczenie zwrot przedluzenie cofniecie zaleglosci abonament \
              ustawienia listy raporty kopie wydruki zasady stanowiska; do
    grep -q "<h2 id=\"$sekcja\">" "$przewodnik/index.html" || blad "brak rozdziału $sekcja"
    grep -q "href=\"#$sekcja\"" "$przewodnik/index.html" || blad "spis treści bez $sekcja"
done

# Every picture has a Polish description, is a PNG in the tree, and every PNG is shown.
grep -o '<img [^>]*>' "$przewodnik/index.html" >"$tmp/img" || blad "przewodnik bez zrzutów"
while read -r img; do
    [[ $img =~ src=\"zrzuty/([a-z_]+\.png)\" ]] || blad "zrzut spoza zrzuty/: $img"
    obraz=${BASH_REMATCH[1]}
    [[ $img =~ alt=\"[^\"]{10,}\" ]] || blad "zrzut $obraz bez opisu"
    echo "$obraz" >>"$tmp/obrazy"
    [ "$(head -c 8 "$przewodnik/zrzuty/$obraz" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = \
      89504e470d0a1a0a ] || blad "brak zrzutu $obraz"
done <"$tmp/img"
sort -u "$tmp/obrazy" >"$tmp/pokazane"
(cd "$przewodnik/zrzuty" && ls -- *.png) | sort >"$tmp/w_drzewie"
diff "$tmp/pokazane" "$tmp/w_drzewie" || blad "zrzuty w drzewie, których przewodnik nie pokazuje (>)"

# The install puts the guide and its pictures beside the program's shared files.
cmake --install "$budowa" --prefix "$tmp/root" >"$tmp/install.log" 2>&1 \
    || { cat "$tmp/install.log"; blad "cmake --install"; }
cmp -s "$przewodnik/index.html" "$tmp/root/share/wirdolan/pomoc/index.html" \
    || blad "instalacja bez przewodnika"
while read -r obraz; do
    cmp -s "$przewodnik/zrzuty/$obraz" "$tmp/root/share/wirdolan/pomoc/zrzuty/$obraz" \
        || blad "instalacja bez zrzutu $obraz"
done <"$tmp/pokazane"
echo "Przewodnik: $(wc -l <"$tmp/pokazane") zrzutów w drzewie i w instalacji."
