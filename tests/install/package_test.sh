#!/bin/sh
# Makes the Debian package from this build tree with CPack, lets lintian check it (no error,
# warning or informational tag may remain but those the package overrides, with their reasons),
# checks its licence and dependencies, unpacks it with dpkg-deb into a scratch folder and runs
# the packaged clvt from there.
# Usage: package_test.sh BUILD_DIR BUILD_TYPE
#        (exit 77: a packaging tool is missing, the test is skipped)
set -u
build=$1
build_type=$2
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null 2>&1 ||
    { echo "$tool is not installed (Debian packages cmake, dpkg-dev, lintian)"; exit 77; }
done
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$*"; failed=1; }

(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
set -- "$work"/out/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "cpack made no single package:"; cat "$work/cpack.log"; exit 1; }
deb=$1
echo "package: ${deb##*/}"

lintian -I --fail-on error,warning,info "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian found faults:
$(grep -v '^running with root' "$work/lintian.log")"
# lintian cannot see the C library's checks in programs that need none at run time (the
# package overrides its tag), so the optimised build's compile commands are asked instead.
case $build_type in
  Release | RelWithDebInfo | MinSizeRel)
    for program in clvt calvantis; do
      grep "/$program.dir/main.cpp.o" "$build/compile_commands.json" | grep -q _FORTIFY_SOURCE=2 ||
        fail "$program is not built with -D_FORTIFY_SOURCE=2"
    done ;;
esac

# The desktop program cannot start without the xcb platform plugin, which Qt only recommends.
field() { dpkg-deb -f "$deb" "$1"; }
case ", $(field Depends)," in
  *", qt6-qpa-plugins,"*) ;;
  *) fail "Depends lacks qt6-qpa-plugins: $(field Depends)" ;;
esac
[ "$(field Recommends)" = "fonts-liberation2 | fonts-liberation, xdg-utils" ] ||
  fail "Recommends: $(field Recommends)"

dpkg-deb -x "$deb" "$work/root" || exit 1
id=example.vostrelsystems.calvantis
icons=usr/share/icons/hicolor
for file in usr/bin/clvt usr/bin/calvantis usr/share/calvantis/clvt.dat \
    usr/share/calvantis/clvt_help.txt usr/share/man/man1/clvt.1.gz \
    usr/share/zsh/vendor-completions/_clvt usr/share/fish/vendor_completions.d/clvt.fish \
    usr/share/man/man1/calvantis.1.gz usr/share/bash-completion/completions/clvt \
    usr/share/metainfo/$id.metainfo.xml usr/share/applications/$id.desktop \
    $icons/scalable/apps/$id.svg $icons/48x48/apps/$id.png $icons/64x64/apps/$id.png \
    $icons/128x128/apps/$id.png $icons/256x256/apps/$id.png usr/share/doc/calvantis/copyright \
    usr/share/doc/calvantis/changelog.gz; do
  [ -f "$work/root/$file" ] || fail "not in the package: /$file"
done

# The menu entry starts the program with its icon, and task bars match its windows to it by
# their class (the application name) and end the launch feedback when the window opens.
for key in Exec=calvantis Icon=$id StartupWMClass=Calvantis StartupNotify=true \
    'Categories=Utility;Calculator;'; do
  grep -qxF "$key" "$work/root/usr/share/applications/$id.desktop" || fail "desktop entry lacks $key"
done

# The licence, in the copyright file's paragraph for every file and in the metadata.
awk '/^Files: \*$/ {on = 1; next} /^$/ {on = 0} on' "$work/root/usr/share/doc/calvantis/copyright" |
  grep -qx 'License: GPL-3+' || fail "copyright: the paragraph 'Files: *' is not 'License: GPL-3+'"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
  "$work/root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo: the licence is not GPL-3.0-or-later"

# The packaged tool runs from where it was unpacked, and its version is the package's.
clvt=$work/root/usr/bin/clvt
output=$(cd "$work" && LC_ALL=C "$clvt" convert 2015-11-22 CE) || fail "packaged clvt failed"
case $output in
  *"Julian day number:  2,457,349"*) ;;
  *) fail "packaged clvt convert printed: $output" ;;
esac
version=$(dpkg-deb -f "$deb" Version)
[ "$("$clvt" --version)" = "clvt (Calvantis) $version" ] ||
  fail "package version $version, but clvt --version says: $("$clvt" --version)"
exit $failed
