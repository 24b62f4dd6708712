#!/bin/sh
# Prints "COMMAND OPTION", one a line, for every option clvt accepts, read from the string
# literals of its sources, so that a new option cannot be left out of the manual page or the
# completion. COMMAND is convert, sequence or equinox, or "-" before any command.
# Usage: clvt_options.sh SOURCE_DIR_OF_CLVT
set -eu
for file in "$1"/*.cpp; do
  case ${file##*/} in
    run_clvt.cpp | main.cpp) commands=- ;;
    convert.cpp) commands=convert ;;
    sequence_command.cpp) commands=sequence ;;
    equinox_command.cpp) commands=equinox ;;
    date_argument.cpp) commands='convert sequence' ;;  # the option parser both share
    json_writer.cpp) continue ;;  # takes no options
    *) echo "clvt_options.sh: say which commands ${file##*/} serves" >&2; exit 1 ;;
  esac
  for option in $(grep -o '"--*[a-z][a-z-]*"' "$file" | tr -d '"'); do
    for command in $commands; do echo "$command $option"; done
  done
done | sort -u
