#!/bin/sh
# Installs the build into a temporary DESTDIR and checks the file list and the desktop metadata.
set -eu
build=$1; expected=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
(cd "$stage" && find . -type f | sed 's|^\./|/|' | LC_ALL=C sort) > "$stage.list"
if ! diff -u "$expected" "$stage.list"; then
    echo "installed files differ from $expected" >&2; rm -f "$stage.list"; exit 1
fi
rm -f "$stage.list"
test -x "$stage/usr/bin/zeltaplot"
desktop-file-validate "$stage/usr/share/applications/org.example.zeltaplot.desktop"
appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/org.example.zeltaplot.metainfo.xml"
# The menu entry's icon and program are the ones installed.
grep -qx 'Icon=org.example.zeltaplot' "$stage/usr/share/applications/org.example.zeltaplot.desktop"
grep -qx 'Exec=zeltaplot' "$stage/usr/share/applications/org.example.zeltaplot.desktop"
gzip -t "$stage/usr/share/man/man1/zeltaplot.1.gz"
echo "installed tree as expected"
