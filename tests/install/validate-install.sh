#!/usr/bin/env bash
# Installs Ampora into a temporary prefix and validates the desktop entry and the metainfo.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for f in "$prefix/bin/ampora" "$prefix/bin/ampora-cli" "$share/man/man1/ampora.1" "$share/man/man1/ampora-cli.1" \
         "$share/ampora/HelpBattery.hlp" "$share/ampora/translations/de/TransBat.lng" \
         "$share/icons/hicolor/48x48/apps/org.ampora.Ampora.png" \
         "$share/icons/hicolor/scalable/apps/org.ampora.Ampora.svg"; do
  [ -e "$f" ] || { echo "not installed: $f"; exit 1; }
done
# plot's module is installed where the installed ampora-cli finds it.
QT_QPA_PLATFORM=offscreen "$prefix/bin/ampora-cli" plot "$(dirname "$0")/../fixtures/apd/two_batteries.apd" \
  -o "$prefix/plot.png" || { echo "the installed ampora-cli plot failed"; exit 1; }
[ -s "$prefix/plot.png" ] || { echo "the installed ampora-cli plot wrote no image"; exit 1; }
# The manual pages format without a warning.
for page in ampora ampora-cli; do
  warnings=$(groff -man -ww -z "$share/man/man1/$page.1" 2>&1)
  [ -z "$warnings" ] || { echo "$page.1: $warnings"; exit 1; }
done
desktop-file-validate "$share/applications/org.ampora.Ampora.desktop"
appstreamcli validate --no-net "$share/metainfo/org.ampora.Ampora.metainfo.xml"
echo "install tree valid"
