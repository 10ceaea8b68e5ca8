#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop reads there.
# usage: install-check.sh BUILD_DIR PREFIX
set -eu
build=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/corvane \
         share/applications/com.brenmoor.Corvane.desktop \
         share/icons/hicolor/scalable/apps/com.brenmoor.Corvane.svg \
         share/metainfo/com.brenmoor.Corvane.metainfo.xml \
         share/doc/corvane/manual.html; do
  [ -f "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/com.brenmoor.Corvane.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/com.brenmoor.Corvane.metainfo.xml"
# The installed program answers as the build's does.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/corvane" --version 2>/dev/null)
[ "${version#Corvane }" != "$version" ] || { echo "unexpected --version: $version"; exit 1; }
rm -rf "$prefix"
echo "install check passed"
