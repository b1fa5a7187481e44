#!/bin/sh
# Installs a build into a scratch prefix and checks that the desktop gets
# everything it needs to list Mirel: the program, its desktop entry, its icons
# at every size the theme looks for, and the software centre's metadata, all
# accepted by the freedesktop validators.
# Usage: check_install.sh BUILD_DIR APP_ID VERSION
set -eu

build=$1
appid=$2
version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The executables have to exist before they can be installed.
cmake --build "$build" --target mirel mirel-scanner >/dev/null ||
    fail "the mirel targets do not build"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

expected=$(sort <<LIST
bin/mirel
bin/mirel-scanner
share/applications/$appid.desktop
share/icons/hicolor/128x128/apps/$appid.png
share/icons/hicolor/16x16/apps/$appid.png
share/icons/hicolor/32x32/apps/$appid.png
share/icons/hicolor/48x48/apps/$appid.png
share/icons/hicolor/scalable/apps/$appid.svg
share/metainfo/$appid.metainfo.xml
LIST
)
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
if [ "$expected" != "$actual" ]; then
    echo "expected:" >&2
    echo "$expected" >&2
    echo "installed:" >&2
    echo "$actual" >&2
    fail "the installed tree differs"
fi

[ -x "$prefix/bin/mirel" ] || fail "bin/mirel is not executable"
[ -x "$prefix/bin/mirel-scanner" ] || fail "bin/mirel-scanner is not executable"

for size in 16 32 48 128; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$appid.png"
    file -b "$png" | grep -q "^PNG image data, $size x $size," ||
        fail "$png is not a $size x $size PNG: $(file -b "$png")"
done
svg="$prefix/share/icons/hicolor/scalable/apps/$appid.svg"
file -b "$svg" | grep -q "SVG" || fail "$svg is not an SVG: $(file -b "$svg")"

desktop="$prefix/share/applications/$appid.desktop"
metainfo="$prefix/share/metainfo/$appid.metainfo.xml"

echo "== desktop-file-validate $desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
echo "== appstreamcli validate --no-net $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
echo "== appstreamcli validate-tree --no-net $prefix"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"

# The entry starts the installed program and names the installed icon.
grep -qx "Exec=mirel" "$desktop" || fail "Exec is not the installed program"
grep -qx "Icon=$appid" "$desktop" || fail "Icon is not the application id"
grep -q "<launchable type=\"desktop-id\">$appid.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo lacks release $version"

echo "installed tree complete and valid"
