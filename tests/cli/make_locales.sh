#!/bin/sh
# Makes the locales some golden transcripts run in (their file "locale" names one) into the
# folder $1, which those cases use as LOCPATH, so that no locale need be installed for the
# whole system. A locale already made is kept. Where localedef or the locale sources are
# missing, the locale is not made and the cases that need it are skipped.
set -u
dir=$1
mkdir -p "$dir" || exit 1
command -v localedef >/dev/null 2>&1 || exit 77
made=0
for locale in fr_FR.UTF-8 fr_FR.ISO-8859-1 de_CH.UTF-8 pt_PT.UTF-8 pt_PT.ISO-8859-1; do
  if [ ! -f "$dir/$locale/LC_NUMERIC" ]; then
    rm -rf "$dir/$locale"
    localedef -i "${locale%%.*}" -f "${locale#*.}" "$dir/$locale" >/dev/null 2>&1
  fi
  [ -f "$dir/$locale/LC_NUMERIC" ] && made=$((made + 1))
done
[ "$made" -gt 0 ] || exit 77
