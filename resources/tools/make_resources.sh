#!/usr/bin/env bash
# Rebuilds every picture and sound in resources/ from the generators in this directory.
# Needs g++, pkg-config, Qt 6 Gui and Svg development files (qt6-base-dev, qt6-svg-dev) and
# Python 3; no display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
res=$(dirname "$here")
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

# shellcheck disable=SC2046
g++ -std=c++20 -O1 -fPIC -o "$build/draw_resources" "$here/draw_resources.cpp" \
    $(pkg-config --cflags --libs Qt6Gui Qt6Svg)
mkdir -p "$res/images" "$res/icons"
QT_QPA_PLATFORM=offscreen "$build/draw_resources" "$res/images" "$res/icons"

python3 "$here/make_sounds.py" "$res"
echo "resources written to $res"
