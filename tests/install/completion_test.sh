#!/bin/bash
# The bash, zsh and fish completions of clvt offer exactly what clvt takes, as its own option
# table (printed by clvt_options) says: the commands, "help" and its COMMAND, the options
# before a COMMAND, each command's options (and -h), and for an option with a closed set of
# values those values, nothing for one whose value is typed. Each shell's completion is asked
# as that shell would ask it; a shell that is not installed is skipped.
# Usage: completion_test.sh SOURCE_DIR CLVT_OPTIONS
set -u
src=$1
table=$("$2") || exit 1
failed=0
fail() { echo "$*"; failed=1; }

# offered_SHELL WORD...: the words offered for the last WORD of "clvt WORD...", one a line.
offered_bash() {
  bash -c 'source "$1" || exit 1; shift; COMP_WORDS=(clvt "$@"); COMP_CWORD=$#; _clvt
           printf "%s\n" "${COMPREPLY[@]}"' - "$src/data/bash-completion/clvt" "$@"
}
offered_zsh() {
  zsh -f -c 'compadd() { [[ $1 == -- ]] && shift; print -rl -- "$@"; }; compdef() { :; }
             source "$1" || exit 1; shift; words=(clvt "$@"); CURRENT=$#words; _clvt' \
    - "$src/data/zsh-completion/_clvt" "$@"
}
offered_fish() {
  local line=clvt word
  for word in "$@"; do line+=" $word"; done
  fish --no-config -c 'source $argv[1]; complete -C$argv[2]' \
    "$src/data/fish-completion/clvt.fish" "$line" | cut -f1
}

# expect SHELL "WANTED WORDS" WORD...: the same words, in any order.
expect() {
  local shell=$1 want got
  want=$(printf '%s\n' $2 | sort | xargs)
  shift 2
  got=$("offered_$shell" "$@" | sort | xargs)
  [[ $got == "$want" ]] || fail "$shell: clvt $*|: offered '$got', expected '$want'"
}

words() { printf '%s\n' "$table" | awk -v kind="$1" -v command="${2:-}" \
  '$1 == kind && (command == "" || $2 == command) {print $(kind == "option" ? 3 : 2)}' | xargs; }

for shell in bash zsh fish; do
  command -v "$shell" >/dev/null || { echo "$shell is not installed: its completion is not tested"; continue; }
  commands=$(words command)
  expect "$shell" "$commands help" ''
  expect "$shell" "$(words tool)" -
  expect "$shell" "$commands" help ''
  for command in $commands; do
    expect "$shell" "$(words option "$command") -h --help" "$command" -
    while read -r _ _ option value choices; do
      [[ -n $value ]] && expect "$shell" "$choices" "$command" "$option" ''
    done < <(printf '%s\n' "$table" | awk -v c="$command" '$1 == "option" && $2 == c')
  done
  # Nothing where a DATE is typed, after "--", or for a word that begins a negative year.
  expect "$shell" '' convert ''
  expect "$shell" '' convert -- -
  expect "$shell" '' convert -5
  [[ $shell == fish ]] && continue  # fish offers a given option again, as it does everywhere
  # One Dee variant, one of plus and minus, and no option twice.
  expect "$shell" '--calendar --plus --minus --jdn --json --help -h' convert --dee-cecil -
  expect "$shell" '--calendar --dee --dee-cecil --json --help -h' sequence --minus 1d --days 3 -
done
[[ $(bash -c 'source "$1"; complete -p clvt' - "$src/data/bash-completion/clvt") == \
   "complete -F _clvt clvt" ]] || fail "bash: clvt is not completed by _clvt"
exit $failed
