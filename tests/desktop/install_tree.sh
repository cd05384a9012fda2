#!/usr/bin/env bash
# Installs Vantrel into a scratch prefix and checks the tree a desktop expects of it.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
for file in bin/vantrel share/applications/org.vantrel.Vantrel.desktop \
    share/metainfo/org.vantrel.Vantrel.metainfo.xml \
    share/icons/hicolor/32x32/apps/org.vantrel.Vantrel.png \
    share/icons/hicolor/256x256/apps/org.vantrel.Vantrel.png; do
    [[ -s $root/usr/$file ]] || { echo "missing: $file"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/org.vantrel.Vantrel.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.vantrel.Vantrel.metainfo.xml"
echo "install tree valid"
