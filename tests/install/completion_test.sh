#!/bin/bash
# Sources the bash completion of clvt, calls its function as bash would for a line typed so far,
# and compares the words it offers; every option clvt accepts must be offered for its command.
# Usage: completion_test.sh COMPLETION_FILE SOURCE_DIR
set -u
# shellcheck source=/dev/null
source "$1" || exit 1
failed=0

offered() {  # offered WORD...: the words offered for the last WORD of "clvt WORD..."
  COMP_WORDS=(clvt "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _clvt
  echo "${COMPREPLY[*]}"
}
check() {  # check EXPECTED WORD...
  local expected=$1 got
  shift
  got=$(offered "$@")
  [[ $got == "$expected" ]] || { echo "clvt $*|: offered '$got', expected '$expected'"; failed=1; }
}

[[ $(complete -p clvt) == "complete -F _clvt clvt" ]] || { echo "clvt is not completed by _clvt"; failed=1; }

check 'convert sequence equinox help --help -h --version' ''
check 'sequence' se
check '--calendar --dee --dee-cecil --plus --minus --json --help' convert -
check '--days --calendar --dee --dee-cecil --plus --minus --json --help' sequence --
check '--years --longitude --mean --dee --dee-cecil --json --help' equinox -
check '--dee --dee-cecil' convert --de
# One Dee variant, one of plus and minus, and no option twice.
check '--calendar --plus --minus --json --help' convert --dee-cecil -
check '--calendar --dee --dee-cecil --json --help' sequence --minus 1d --days 3 -
check '--years --longitude --dee --dee-cecil --help' equinox --mean --json -
check 'gregorian julian dee sunday monday tuesday wednesday thursday friday saturday' \
  convert --calendar ''
check 'sunday saturday' sequence --calendar S
# Nothing where a DATE, a number or AMOUNTS are typed: not even file names.
check '' convert ''
check '' convert November 22, ''
check '' convert -5
check '' convert -- -
check '' convert --plus ''
check '' sequence --days ''
check '' equinox --years ''
check '' equinox --longitude ''
check '' equinox --calendar ''
check '' frobnicate -

while read -r command option; do
  [[ $option == -h ]] && continue  # offered at the start only; --help says the same
  if [[ $command == - ]]; then words=(''); else words=("$command" -); fi
  [[ " $(offered "${words[@]}") " == *" $option "* ]] ||
    { echo "clvt ${words[*]}|: '$option' is not offered"; failed=1; }
done < <(sh "$2/tests/install/clvt_options.sh" "$2/src/cli")
exit $failed
