#!/bin/sh
# The manual pages render without a single warning; clvt.1 names every option clvt accepts in
# the section of its command, and every field of a command's JSON output in that command's
# JSON section, so that the page cannot fall behind the tool. The help text the desktop
# program shows names every option too.
# Usage: man_page_test.sh SOURCE_DIR CLVT   (exit 77: man is missing, the test is skipped)
set -u
src=$1
clvt=$2
command -v man >/dev/null 2>&1 || { echo "man is not installed (Debian package man-db)"; exit 77; }
failed=0
fail() { echo "$*"; failed=1; }

for page in "$src/docs/clvt.1" "$src/docs/calvantis.1"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "${page##*/} renders with warnings:
$warnings"
done

# The page's source with "\-" as "-"; section TITLE is the text from '.SS "TITLE"' (or
# '.SS TITLE') up to the next heading.
page=$(sed 's/\\-/-/g' "$src/docs/clvt.1")
section() {
  printf '%s\n' "$page" | awk -v a=".SS \"$1\"" -v b=".SS $1" \
    '$0 == a || $0 == b {on = 1; next} /^\.S[SH]/ {on = 0} on'
}
names() {  # names TEXT WORD: WORD stands in TEXT as a word of its own ("--dee" is not in "--dee-cecil")
  printf '%s\n' "$1" | grep -Eq -- "(^|[^a-z_-])$2([^a-z_-]|\$)"
}

options=$(sh "$src/tests/install/clvt_options.sh" "$src/src/cli") || exit 1
help=$(cat "$src/data/clvt_help.txt") || exit 1
while read -r command option; do
  case $command:$option in
    -:*) where=SYNOPSIS; text=$page ;;
    *:--help | *:-h) where="Help and version"; text=$(section "Help and version") ;;
    *) where="clvt $command"; text=$(section "clvt $command") ;;
  esac
  names "$text" "$option" || fail "clvt.1: '$command $option' is not in the section $where"
  names "$help" "$option" || fail "clvt_help.txt: '$option' is not named"
done <<END
$options
END

for run in "convert 2015-11-22 CE" "convert --plus 1m 2015-11-22 CE" \
           "sequence --days 2 2015-11-22 CE" "equinox --years 2 2024"; do
  command=${run%% *}
  # shellcheck disable=SC2086  # the words of run are the arguments
  json=$("$clvt" $run --json 2>/dev/null) || continue  # this command has no JSON output yet
  text=$(section "clvt $command --json")
  [ -n "$text" ] || fail "clvt.1: no section 'clvt $command --json' for its JSON output"
  for field in $(printf '%s\n' "$json" | grep -o '"[a-z_]*":' | tr -d '":' | sort -u); do
    names "$text" "$field" || fail "clvt.1: JSON field '$field' of clvt $command is not described"
  done
done
exit $failed
