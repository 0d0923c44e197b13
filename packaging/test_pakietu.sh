#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks it with lintian (no error and no
# warning), unpacks it into a scratch root and starts
# the unpacked program offscreen with a scratch home: the program must create its store
# and its word lists in the user's data folder and leave the unpacked files as they were.
# Arguments: the build folder, the program's version.
set -euo pipefail
budowa=$1
wersja=$2
tmp=$(mktemp -d)
pid=""
sprzatnij() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap sprzatnij EXIT
blad() { echo "BŁĄD: $*" >&2; exit 1; }

cpack --config "$budowa/CPackConfig.cmake" -B "$tmp/pakiet" >"$tmp/cpack.log" 2>&1 \
    || { cat "$tmp/cpack.log"; blad "cpack"; }
deb="$tmp/pakiet/wirdolan_${wersja}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || blad "brak pakietu $deb"
# Debian's package checker: no error and no warning.
lintian --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1 || true
if grep -E '^(E|W):' "$tmp/lintian.log"; then blad "lintian zgłasza błędy lub ostrzeżenia"; fi
zaleznosci=$(dpkg-deb -f "$deb" Depends)
[[ $zaleznosci == *libqt6widgets6* && $zaleznosci == *qt6-qpa-plugins* ]] || blad "zależności bez Qt: $zaleznosci"

dpkg -x "$deb" "$tmp/root"
for f in usr/bin/wirdolan usr/share/wirdolan/Config/miasta.wdn usr/share/wirdolan/Config/gatunek.wdn \
         usr/share/wirdolan/Config/nosnik.wdn usr/share/applications/pl.wirdolan.Wirdolan.desktop \
         usr/share/metainfo/pl.wirdolan.Wirdolan.metainfo.xml; do
    [ -e "$tmp/root/$f" ] || blad "pakiet nie zawiera $f"
done
# The operator's guide with every picture it shows.
pomoc="$tmp/root/usr/share/wirdolan/pomoc"
[ -f "$pomoc/index.html" ] || blad "pakiet nie zawiera przewodnika"
obrazy=$(grep -o 'src="zrzuty/[^"]*"' "$pomoc/index.html" | sed 's/src="//; s/"$//')
[ -n "$obrazy" ] || blad "przewodnik w pakiecie bez zrzutów"
for o in $obrazy; do
    [ -s "$pomoc/$o" ] || blad "pakiet nie zawiera $o"
done
(cd "$tmp/root" && find . | sort) >"$tmp/pliki_przed"

mkdir -p "$tmp/home" "$tmp/tmp"
env -i PATH=/usr/bin:/bin HOME="$tmp/home" TMPDIR="$tmp/tmp" QT_QPA_PLATFORM=offscreen \
    "$tmp/root/usr/bin/wirdolan" >"$tmp/program.log" 2>&1 &
pid=$!
dane="$tmp/home/.local/share/Wirdolan"
for _ in $(seq 1 600); do
    grep -qai 'create table' "$dane/Bazy/wirdolan.sqlite"* 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || { cat "$tmp/program.log"; blad "program zakończył się przed utworzeniem bazy"; }
    sleep 0.1
done
grep -qai 'create table' "$dane/Bazy/wirdolan.sqlite"* 2>/dev/null \
    || { cat "$tmp/program.log"; blad "brak bazy w $dane/Bazy"; }
for f in miasta.wdn gatunek.wdn nosnik.wdn; do
    cmp -s "$tmp/root/usr/share/wirdolan/Config/$f" "$dane/Config/$f" || blad "lista $f nie skopiowana"
done
(cd "$tmp/root" && find . | sort) | diff "$tmp/pliki_przed" - || blad "program zmienił rozpakowane pliki"
echo "Pakiet $(basename "$deb"): baza i listy w katalogu użytkownika."
