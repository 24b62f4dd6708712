#!/bin/sh
# The manual pages render without a single warning, and clvt.1 tells what clvt has, as its
# own option table (printed by clvt_options) says: every option in the section of its
# command and no option clvt lacks anywhere, every value of a closed set, the exit statuses
# --help lists and no other, and every field of each JSON output in its JSON section. The
# help text the desktop program shows names every option too.
# Usage: man_page_test.sh SOURCE_DIR CLVT CLVT_OPTIONS   (exit 77: man is missing, skipped)
set -u
src=$1
clvt=$2
table=$("$3") || exit 1
command -v man >/dev/null 2>&1 || { echo "man is not installed (Debian package man-db)"; exit 77; }
failed=0
fail() { echo "$*"; failed=1; }

for page in "$src/docs/clvt.1" "$src/docs/calvantis.1"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "${page##*/} renders with warnings:
$warnings"
done

# The page's source with "\-" as "-"; section TITLE is the text from '.SS "TITLE"' (or
# '.SS TITLE', '.SH "TITLE"') up to the next heading.
page=$(sed 's/\\-/-/g' "$src/docs/clvt.1")
section() {
  printf '%s\n' "$page" | awk -v a=".SS \"$1\"" -v b=".SS $1" -v c=".SH \"$1\"" \
    '$0 == a || $0 == b || $0 == c {on = 1; next} /^\.S[SH]/ {on = 0} on'
}
names() {  # names TEXT WORD: WORD stands in TEXT as a word of its own ("--dee" is not in "--dee-cecil")
  printf '%s\n' "$1" | grep -Eq -- "(^|[^a-z_-])$2([^a-z_-]|\$)"
}

help=$(cat "$src/data/clvt_help.txt") || exit 1
missing=$(printf '%s\n' "$table" | while read -r kind command option value choices; do
  case $kind in
    tool) names "$(section "Help and version")" "$command" ||
            echo "clvt.1: '$command' is not in the section Help and version" ;;
    option)
      names "$(section "clvt $command")" "$option" ||
        echo "clvt.1: '$command $option' is not in the section clvt $command"
      names "$help" "$option" || echo "clvt_help.txt: '$option' is not named"
      for choice in $choices; do
        names "$page" "$choice" || echo "clvt.1: '$option $choice' is not named"
      done ;;
  esac
done)
[ -z "$missing" ] || fail "$missing"

# No option the program lacks: every "--name" and "-x" of the page is one of its own.
known=" $(printf '%s\n' "$table" | awk '{print $($1 == "option" ? 3 : 2)}' | xargs) -- "
for option in $(printf '%s\n' "$page" | grep -v '^\.\\"' | grep -oE -- '(^|[^a-zA-Z0-9-])--?[a-zA-Z][a-z-]*' |
                sed 's/^[^-]*//' | sort -u); do
  case $known in *" $option "*) ;; *) fail "clvt.1 names '$option', which clvt does not take" ;; esac
done

# The exit statuses: those --help lists, each once, and no other.
statuses=$("$clvt" convert --help | sed -n '/^Exit status:/,$p' | awk 'NR > 1 {print $1}' | xargs)
listed=$(section "EXIT STATUS" | grep -E '^\.B [0-9]+$' | awk '{print $2}' | xargs)
[ "$statuses" = "$listed" ] || fail "clvt.1 lists the exit statuses '$listed', clvt '$statuses'"

# fields SECTION RUN [STDIN]: every field of the JSON that clvt RUN --json prints is
# described in SECTION.
fields() {
  # shellcheck disable=SC2086  # the words of $2 are the arguments
  json=$(printf '%s\n' "${3:-}" | "$clvt" $2 --json 2>/dev/null)
  text=$(section "$1")
  [ -n "$text" ] || { fail "clvt.1: no section '$1' for the JSON of clvt $2"; return; }
  for field in $(printf '%s\n' "$json" | grep -o '"[a-z_]*":' | tr -d '":' | sort -u); do
    names "$text" "$field" || fail "clvt.1: JSON field '$field' of clvt $2 is not in '$1'"
  done
}
fields "clvt convert --json" "convert 2015-11-22 CE"
fields "clvt convert --json" "convert --plus 1m 2015-11-22 CE"
fields "clvt convert --json" "convert -" "2015-11-22 CE"
fields "clvt sequence --json" "sequence --days 2 2015-11-22 CE"
fields "clvt equinox --json" "equinox --years 2 2024"
fields "Errors in JSON" "convert 2015-02-30 CE"
exit $failed
