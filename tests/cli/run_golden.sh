#!/bin/sh
# Usage: run_golden.sh [--crlf] CASE_DIR COMMAND...
# Runs COMMAND (clvt, or an emulator followed by clvt) with the arguments of one transcript
# (one argument per line of CASE_DIR/args, empty lines included) and compares standard output,
# standard error and the exit status with the recorded "stdout", "stderr" and "status" (a
# missing file means empty output or status 0), byte for byte. A file "stdin" is its standard
# input, as it stands (line ends included); without one standard input is empty.
# A file "locale" names the locale (LC_ALL) to run in; one not made under LOCPATH skips (77).
# --crlf: the program writes text with CR LF line ends, as Windows programs do; every line end
# of the recorded output is then expected as CR LF, and a bare LF or a stray CR still differs.
set -u
crlf=0
if [ "${1:-}" = --crlf ]; then
  crlf=1
  shift
fi
case_dir=$1
shift
if [ -f "$case_dir/locale" ]; then
  IFS= read -r LC_ALL < "$case_dir/locale"
  export LC_ALL
  [ -f "${LOCPATH:-}/$LC_ALL/LC_NUMERIC" ] || exit 77
fi
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT

# The transcript's arguments follow COMMAND in "$@".
while IFS= read -r line || [ -n "$line" ]; do
  set -- "$@" "$line"
done < "$case_dir/args"

input=/dev/null
[ -f "$case_dir/stdin" ] && input=$case_dir/stdin
"$@" < "$input" > "$work/stdout" 2> "$work/stderr"
echo "$?" > "$work/status"

want() {
  if [ ! -f "$case_dir/$1" ]; then
    : > "$work/want_$1"
  elif [ "$crlf" = 1 ]; then
    sed -z 's/\n/\r\n/g' "$case_dir/$1" > "$work/want_$1"
  else
    cp "$case_dir/$1" "$work/want_$1"
  fi
}
want stdout
want stderr
[ -f "$case_dir/status" ] && cp "$case_dir/status" "$work/want_status" || echo 0 > "$work/want_status"

failed=0
for part in stdout stderr status; do
  if ! cmp -s "$work/want_$part" "$work/$part"; then
    echo "--- $part differs:"
    diff -u "$work/want_$part" "$work/$part"
    failed=1
  fi
done
exit $failed
