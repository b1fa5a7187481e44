#!/bin/sh
# SPDX-FileCopyrightText: 2026 Mirel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch prefix and checks that the desktop gets
# everything it needs to list Mirel: the program, its print module, its
# desktop entry, its icons at every size the theme looks for, and the software
# centre's metadata, all accepted by the freedesktop validators. The theme
# icons are the window's own icon: the same two drawings pixel for pixel,
# enlarged by whole numbers only, and the scalable copy drawn from the same
# squares. The catalogues go where the program looks for them, one a language.
# Usage: check_install.sh BUILD_DIR APP_ID VERSION WINDOW_ICON "LANGUAGES"
set -eu
build=$1 appid=$2 version=$3 ico=$4 languages=$5
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT INT TERM
fail() { echo "FAIL: $*" >&2; exit 1; }

# The executables have to exist before they can be installed.
cmake --build "$build" --target mirel mirel-scanner mirel-print mirel_desktop >/dev/null ||
    fail "the mirel targets do not build"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
cd "$prefix"
icons=share/icons/hicolor
actual=$(find . -type f -o -type l | sed 's|^\./||' | sort)
expected=$(printf '%s\n' bin/mirel bin/mirel-scanner lib/mirel/mirel-print.so share/applications/$appid.desktop \
    $icons/128x128/apps/$appid.png $icons/16x16/apps/$appid.png $icons/32x32/apps/$appid.png \
    $icons/48x48/apps/$appid.png $icons/scalable/apps/$appid.svg share/metainfo/$appid.metainfo.xml \
    $(for l in $languages; do echo share/mirel/translations/mirel_$l.qm; done) | sort)
[ "$expected" = "$actual" ] || fail "the installed tree differs: $actual"
[ -x bin/mirel ] && [ -x bin/mirel-scanner ] || fail "the programs are not executable"
# The program loads its print module at the first print, from ../lib/mirel.
ldd lib/mirel/mirel-print.so | grep -q "not found" && fail "the print module misses libraries"
ldd bin/mirel | grep -q PrintSupport && fail "the program links Qt's printing support itself"

# Size, the window icon's frame (0: 32 x 32, 1: 16 x 16), enlargement.
for icon in "16 1 1" "32 0 1" "48 1 3" "128 0 4"; do
    set -- $icon
    convert "$ico[$2]" -sample $(($3 * 100))% png:- |
        compare -metric AE $icons/${1}x$1/apps/$appid.png - null: ||
        fail "the ${1}x$1 icon is not the window icon's drawing"
done
svg=$icons/scalable/apps/$appid.svg
grep -q 'viewBox="0 0 32 32"' $svg || fail "the scalable icon is not drawn on 32 x 32"
squares=$(sed -n 's/.*<rect x="\([0-9]*\)" y="\([0-9]*\)" width="\([0-9]*\)" height="\([0-9]*\)" fill="#\(......\)".*/\1 \2 \3 \4 \5/p' $svg |
    awk '{ for (i = 0; i < $3; i++) for (j = 0; j < $4; j++) print $1 + i "," $2 + j, toupper($5) }' | sort)
opaque=$(convert "$ico[0]" -depth 8 txt:- |
    awk 'NR > 1 && $3 !~ /00$/ { sub(":", "", $1); print $1, substr($3, 2, 6) }' | sort)
[ "$squares" = "$opaque" ] || fail "the scalable icon's squares are not the window icon"

desktop=share/applications/$appid.desktop
metainfo=share/metainfo/$appid.metainfo.xml
desktop-file-validate $desktop || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net $metainfo || fail "appstreamcli rejects the metainfo"
appstreamcli validate-tree --no-net . || fail "appstreamcli rejects the installed tree"
# The entry starts the installed program and names the installed icon.
grep -qx "Exec=mirel" $desktop && grep -qx "Icon=$appid" $desktop || fail "Exec or Icon is wrong"
grep -q "<launchable type=\"desktop-id\">$appid.desktop</launchable>" $metainfo ||
    fail "the metainfo does not launch the desktop entry"
grep -q "<release version=\"$version\"" $metainfo || fail "the metainfo lacks release $version"
echo "installed tree complete and valid"
