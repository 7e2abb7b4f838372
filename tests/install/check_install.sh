#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs Cylindra into a temporary prefix and builds its Debian package, as a
# user or a distribution would, and checks what a desktop needs: the program,
# its desktop entry (with the project file type), the icon, the file type
# itself, the software centre's description and the manual page.
#   check_install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
id=org.example.cylindra.Cylindra
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

desktop-file-validate "$src/data/$id.desktop" || fail "desktop entry"
grep -qx 'MimeType=application/x-cylindra-project;' "$src/data/$id.desktop" ||
    fail "desktop entry does not open projects"
appstreamcli validate --no-net "$src/data/$id.metainfo.xml" || fail "metainfo"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/cylindra share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
    share/mime/packages/cylindra.xml share/metainfo/$id.metainfo.xml share/man/man1/cylindra.1; do
    [ -s "$prefix/$f" ] || fail "not installed: $f"
done
"$prefix/bin/cylindra" --help | grep -q -- '--report' || fail "installed program does not run"

# The file type as a desktop sees it once the MIME database is built.
update-mime-database "$prefix/share/mime" 2>/dev/null
grep -q 'pattern="\*.cyl"' "$prefix/share/mime/application/x-cylindra-project.xml" ||
    fail "*.cyl is not a Cylindra project"
grep -q ':application/x-cylindra-project:\*\.cyl$' "$prefix/share/mime/globs2" || fail "no glob"

# The package holds the same files under /usr.
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null) || fail "cpack"
deb=$(ls "$work"/deb/*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/cylindra ./usr/share/applications/$id.desktop ./usr/share/mime/packages/cylindra.xml; do
    grep -q " $f\$" <<<"$contents" || fail "package lacks $f"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "package does not depend on Qt"
echo "installed and packaged: $(basename "$deb")"
