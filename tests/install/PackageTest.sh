#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it as dpkg, a
# desktop and a software centre read it: control fields, file list against
# what cmake --install lays out, no maintainer scripts, the desktop entry and
# the AppStream metadata through their validators, and the icon sizes.
# Usage: PackageTest.sh BUILD_DIR WORK_DIR VERSION APP_ID
set -euo pipefail
build=$1 work=$2 version=$3 app_id=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$work/package/tarnwell_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work/package"; echo "FAIL: no $deb"; exit 1; }

# Control fields: exact values, then patterns.
while IFS='|' read -r field expected; do
  actual=$(dpkg-deb --field "$deb" "$field")
  [ "$actual" = "$expected" ] || fail "$field is '$actual', not '$expected'"
done <<TABLE
Package|tarnwell
Version|$version
Architecture|$(dpkg --print-architecture)
Section|net
Priority|optional
TABLE
while IFS='|' read -r field pattern; do
  value=$(dpkg-deb --field "$deb" "$field")
  value=${value%%$'\n'*}
  [[ $value =~ $pattern ]] || fail "$field '$value' does not match $pattern"
done <<'TABLE'
Maintainer|^[^<]+ <[^@ ]+@[^> ]+>$
Homepage|^https://
Description|^[a-z].{10,79}$
TABLE
# A paragraph of lines that fit a terminal under the one-line summary.
description=$(dpkg-deb --field "$deb" Description)
[ "$(tail -n +2 <<<"$description" | wc -w)" -ge 30 ] || fail "the description has no paragraph"
[ "$(awk 'length > 80' <<<"$description")" = "" ] || fail "description lines longer than 80 characters"
# The runtime packages come from dpkg-shlibdeps, each with the version the
# executable was linked against.
depends=$(dpkg-deb --field "$deb" Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6dbus6 libssl3; do
  [[ ", $depends" == *", $package (>= "[0-9]* ]] || fail "Depends lacks $package: $depends"
done

# The files are those of cmake --install, owned by root, and nothing runs at
# install or removal time that could touch a user's data.
(cd "$work/prefix" && find . ! -type d | sed 's|^\./|./usr/|' | sort) >"$work/installed.txt"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/packaged.txt"
diff -u "$work/installed.txt" "$work/packaged.txt" || fail "the package's files differ from cmake --install"
dpkg-deb --contents "$deb" | awk '$2 != "root/root" { print "not owned by root: " $6; bad = 1 } END { exit bad }' ||
  fail "files not owned by root"
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -Ev '^\./(control|md5sums)?$' || true)
[ -z "$scripts" ] || fail "the package runs maintainer scripts: $scripts"

root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
while read -r file; do
  [ -f "$root/$file" ] || fail "not packaged: $file"
done <<TABLE
usr/bin/tarnwell
usr/share/applications/$app_id.desktop
usr/share/metainfo/$app_id.metainfo.xml
usr/share/icons/hicolor/scalable/apps/tarnwell.svg
TABLE
for size in 16 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/tarnwell.png
  [[ $(file -b "$icon") == "PNG image data, $size x $size,"* ]] || fail "$icon is not a $size pixel PNG"
done

# The entry starts what the package installs and shows its icon.
entry=$share/applications/$app_id.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
while IFS='=' read -r key value; do
  grep -qx "$key=$value" "$entry" || fail "the desktop entry lacks $key=$value"
done <<'TABLE'
Exec=tarnwell
Icon=tarnwell
Categories=Network;Chat;InstantMessaging;
TABLE
grep -Eq '^Keywords=.+;$' "$entry" || fail "the desktop entry has no Keywords"

metainfo=$share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" >"$work/validate.log" 2>&1 || true
grep -Eq '^[EW]:' "$work/validate.log" && { cat "$work/validate.log"; fail "appstreamcli finds errors or warnings"; }
appstreamcli validate-tree --no-net "$root" >"$work/validate-tree.log" 2>&1 ||
  { cat "$work/validate-tree.log"; fail "appstreamcli validate-tree rejects the installed tree"; }
while read -r pattern; do
  grep -Eq "$pattern" "$metainfo" || fail "the metainfo lacks $pattern"
done <<TABLE
<id>$app_id</id>
<launchable type="desktop-id">$app_id.desktop</launchable>
<binary>tarnwell</binary>
<release version="$version" date="[0-9]{4}-[0-9]{2}-[0-9]{2}"
<image[^>]*>https://[^<]+/docs/[^<]+\.png</image>
<content_rating type="oars-1\.1">
TABLE

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed; the package: $deb"
  exit 1
fi
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes; Depends: $depends"
rm -rf "$work/root" "$work/prefix"
