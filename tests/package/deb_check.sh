#!/bin/sh
# Makes the Debian package with scripts/package into BUILD_DIR and looks at it without
# installing it: its name, its dependencies computed from the binaries, the launcher entry.
# Usage: deb_check.sh SOURCE_DIR BUILD_DIR VERSION
set -eu
deb=$("$1/scripts/package" "$2" | tail -n 1)
expected="horalto_${3}_$(dpkg --print-architecture).deb"
[ "$(basename "$deb")" = "$expected" ] || { echo "made $deb, not $expected"; exit 1; }
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libqt6core6 libqt6widgets6 libqt6network6 libqt6multimedia6 libxcb1; do
  echo "$depends" | grep -q "$lib" || { echo "no $lib among the dependencies"; exit 1; }
done
dpkg-deb --contents "$deb" | grep -q ' ./usr/share/applications/io.horalto.Horalto.desktop$' ||
  { echo "no launcher entry in the package"; exit 1; }
