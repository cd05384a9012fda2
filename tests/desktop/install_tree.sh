#!/usr/bin/env bash
# Installs Vantrel into a scratch prefix and checks the tree a desktop and a Debian system
# expect of it: menu entry, icons, AppStream data, manual page, licence and changelog.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
for file in bin/vantrel share/applications/org.vantrel.vantrel.desktop \
    share/metainfo/org.vantrel.vantrel.metainfo.xml \
    share/icons/hicolor/32x32/apps/org.vantrel.vantrel.png \
    share/icons/hicolor/256x256/apps/org.vantrel.vantrel.png \
    share/man/man1/vantrel.1.gz share/doc/vantrel/copyright share/doc/vantrel/changelog.gz; do
    [[ -s $root/usr/$file ]] || { echo "missing: $file"; exit 1; }
done
# The print module, where the installed program looks for it.
module=$(find "$root/usr/lib" -name vantrel_print.so)
[[ $module == */vantrel/vantrel_print.so ]] || { echo "missing: the print module"; exit 1; }
desktop-file-validate "$root/usr/share/applications/org.vantrel.vantrel.desktop"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/org.vantrel.vantrel.metainfo.xml"

# The manual page renders without a single warning, and names the version CMake holds.
page=$root/usr/share/man/man1/vantrel.1.gz
warnings=$(zcat "$page" | groff -man -ww -z -k -Tutf8 2>&1)
warnings+=$(LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null)
[[ -z $warnings ]] || { echo "manual page warnings: $warnings"; exit 1; }
version=$("$root/usr/bin/vantrel" --version | head -1)
zcat "$page" | grep -q "^\.TH VANTREL 1 .*\"$version\"" || { echo "manual page is not $version"; exit 1; }
echo "install tree valid"
