#!/bin/sh
# Runs clvt with the arguments of one transcript (one argument per line of "args", empty
# lines included) and compares standard output, standard error and the exit status with the
# recorded "stdout", "stderr" and "status" (a missing file means empty output or status 0).
# A file "locale" names the locale (LC_ALL) to run in; one not made under LOCPATH skips (77).
set -u
clvt=$1
case_dir=$2
if [ -f "$case_dir/locale" ]; then
  IFS= read -r LC_ALL < "$case_dir/locale"
  export LC_ALL
  [ -f "${LOCPATH:-}/$LC_ALL/LC_NUMERIC" ] || exit 77
fi
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT

set --
while IFS= read -r line || [ -n "$line" ]; do
  set -- "$@" "$line"
done < "$case_dir/args"

"$clvt" "$@" > "$work/stdout" 2> "$work/stderr"
echo "$?" > "$work/status"

[ -f "$case_dir/stdout" ] && cp "$case_dir/stdout" "$work/want_stdout" || : > "$work/want_stdout"
[ -f "$case_dir/stderr" ] && cp "$case_dir/stderr" "$work/want_stderr" || : > "$work/want_stderr"
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
