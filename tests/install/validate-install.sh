#!/usr/bin/env bash
# Installs Ampora into a temporary prefix and validates the desktop entry and the metainfo.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for f in "$prefix/bin/ampora" "$share/ampora/HelpBattery.hlp" "$share/ampora/translations/de/TransBat.lng" \
         "$share/icons/hicolor/48x48/apps/org.ampora.Ampora.png" \
         "$share/icons/hicolor/scalable/apps/org.ampora.Ampora.svg"; do
  [ -e "$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$share/applications/org.ampora.Ampora.desktop"
appstreamcli validate --no-net "$share/metainfo/org.ampora.Ampora.metainfo.xml"
echo "install tree valid"
