#!/usr/bin/env bash
# Checks the installed editor as a user would get it: installs a built tree
# (default build/release) to a temporary prefix and makes it read-only, runs
# the installed programs with HOME in a temporary folder, validates the
# desktop entry and the metainfo, and builds and lists the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
app_id=org.tarsisdizizuzuri.TarsisDizIzuzuri
shipped=$prefix/share/tarsisdizizuzuri

echo "== install to $prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/TarsisDizIzuzuri bin/dizizuzuri-cli bin/TarsisMapCompiler.exe \
  share/tarsisdizizuzuri/DizIzuzuri.ini share/tarsisdizizuzuri/rules.dat share/tarsisdizizuzuri/BlackHole.dat \
  share/tarsisdizizuzuri/Hexagono32.bmp share/tarsisdizizuzuri/hexagono32Sel.bmp \
  share/tarsisdizizuzuri/Default/Data/StellarObjectTypes.txt share/tarsisdizizuzuri/Default/Mod_Definition.txt \
  share/applications/$app_id.desktop share/icons/hicolor/scalable/apps/$app_id.svg \
  share/metainfo/$app_id.metainfo.xml; do
  [ -f "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done

# Read-only for everyone; root ignores the mode bits, so the listing taken
# now must also be unchanged after the runs.
chmod -R a-w "$prefix"
listing() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing)

echo "== installed command-line tool, HOME in $work/home"
mkdir -p "$work/home"
run_cli() { env -u XDG_DATA_HOME HOME="$work/home" "$prefix/bin/dizizuzuri-cli" "$@"; }
(cd "$work" && run_cli data)
user=$work/home/.local/share/TarsisDizIzuzuri
[ -f "$user/DizIzuzuri.ini" ] || { echo "the user folder was not seeded"; exit 1; }
grep -q "^$shipped/Default/Data" "$user/DizIzuzuri.ini" || { echo "the seeded settings do not name the shipped data"; exit 1; }
run_cli random-map --quadrant "Balanced Galaxy" --systems 20 --shape Grid --seed 5 -o "$work/home/random.txt"
run_cli roundtrip "$work/home/random.txt" "$work/home/again.txt"
cmp "$work/home/random.txt" "$work/home/again.txt"
echo "roundtrip: byte-identical"
# Pictures without any display: the tool picks the offscreen platform itself
# and finds the shipped sector bitmaps.
system=$(grep -m1 '^System Name' "$work/home/random.txt" | sed 's/.*:= //; s/\r$//')
env -u DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME HOME="$work/home" "$prefix/bin/dizizuzuri-cli" \
  render "$work/home/random.txt" -o "$work/home/galaxy.png"
env -u DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME HOME="$work/home" "$prefix/bin/dizizuzuri-cli" \
  render "$work/home/random.txt" --system "$system" -o "$work/home/system.png"
# Width and height from the PNG header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
[ "$(png_size "$work/home/galaxy.png")" = 1088x800 ] || { echo "no 1088 x 800 galaxy picture"; exit 1; }
[ "$(png_size "$work/home/system.png")" = 656x672 ] || { echo "no 656 x 672 system picture"; exit 1; }
echo "render: galaxy and system pictures written without a display"

echo "== installed editor, first start with an empty HOME"
mkdir -p "$work/home2"
status=0
env -u XDG_DATA_HOME HOME="$work/home2" QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/TarsisDizIzuzuri" || status=$?
[ "$status" -eq 124 ] || { echo "the editor ended early (exit $status)"; exit 1; }
[ -f "$work/home2/.local/share/TarsisDizIzuzuri/DizIzuzuri.ini" ] || { echo "the editor did not seed"; exit 1; }
echo "editor ran 5 s and seeded $work/home2/.local/share/TarsisDizIzuzuri"

[ "$(listing)" = "$before" ] || { echo "something was written into the installed prefix"; exit 1; }
echo "the installed prefix is unchanged"

echo "== desktop entry and metainfo"
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
echo "desktop-file-validate: no problems"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"

echo "== Debian package"
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/*.deb)
dpkg-deb --field "$deb" Package Version Depends
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt 6 dependency in the package"; exit 1; }
dpkg-deb --contents "$deb"
# The package's own payload runs as the prefix install did.
dpkg-deb -x "$deb" "$work/unpacked"
mkdir -p "$work/home3"
env -u XDG_DATA_HOME HOME="$work/home3" "$work/unpacked/usr/bin/dizizuzuri-cli" data >/dev/null
echo "the packaged command-line tool reads the packaged data"
