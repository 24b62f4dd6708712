#!/bin/sh
# The files that state the release state the build's: the manual pages, the AppStream
# metadata's newest release, the Debian changelog's newest entry, NEWS's first heading and the
# package name the README installs. The build's version is in the top CMakeLists.txt alone.
# Usage: version_test.sh SOURCE_DIR VERSION
set -u
src=$1
version=$2
failed=0
check() {  # check FILE WHAT-IT-STATES
  [ "$2" = "$version" ] || { echo "${1#"$src"/}: '$2' where the build is $version"; failed=1; }
}
for page in "$src"/docs/*.1; do
  check "$page" "$(sed -n 's/^\.TH [A-Z]* 1 [0-9-]* "Calvantis \([^"]*\)".*/\1/p' "$page")"
done
metainfo=$src/data/example.vostrelsystems.calvantis.metainfo.xml
check "$metainfo" "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)"
check "$src/data/debian/changelog" "$(sed -n '1s/^calvantis (\([^)]*\)).*/\1/p' "$src/data/debian/changelog")"
check "$src/NEWS" "$(sed -n '1s/^Calvantis \([^ ]*\) .*/\1/p' "$src/NEWS")"
check "$src/README.md" "$(grep -o 'calvantis_[^_]*_' "$src/README.md" | cut -d_ -f2 | sort -u)"
exit $failed
