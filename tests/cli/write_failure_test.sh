#!/bin/sh
# clvt with its standard output on a full device (/dev/full) or closed: every command that
# writes there must say so on standard error and exit with status 3, not 0. A run that writes
# nothing there keeps its own status.
set -u
clvt=$1
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
failed=0

# expect STATUS REASON HOW ARGS...: HOW is "full" or "closed"; REASON "" wants no message.
expect() {
  want_status=$1 reason=$2 how=$3
  shift 3
  if [ "$how" = full ]; then
    "$clvt" "$@" > /dev/full 2> "$work/err"
  else
    "$clvt" "$@" >&- 2> "$work/err"
  fi
  status=$?
  if [ -n "$reason" ]; then
    want="clvt: cannot write standard output: $reason"
    got=$(tail -n 1 "$work/err")
  else
    want="" got=$(grep 'cannot write' "$work/err")
  fi
  if [ "$status" != "$want_status" ] || [ "$got" != "$want" ]; then
    echo "clvt $* (stdout $how): status $status, last line '$got';" \
         "wanted $want_status, '$want'"
    failed=1
  fi
}

for how in full closed; do
  if [ "$how" = full ]; then reason="No space left on device"; else reason="Bad file descriptor"; fi
  expect 3 "$reason" "$how" convert "2015-11-22 CE"
  expect 3 "$reason" "$how" convert --json "2015-11-22 CE"
  expect 3 "$reason" "$how" sequence --days 800 "2015-11-22 CE"
  expect 3 "$reason" "$how" equinox 2024
  expect 3 "$reason" "$how" --help
  expect 3 "$reason" "$how" --version
  expect 3 "$reason" "$how" convert --help
  expect 3 "$reason" "$how" sequence --help
  expect 3 "$reason" "$how" equinox --help
  expect 1 "" "$how" convert "2015-02-30 CE"
done
# A batch stops at a full output; standard input that cannot be read is no empty batch.
status=$( (yes 2015-11-22 CE | "$clvt" convert - > /dev/full 2> "$work/err"; echo $? >&3) 3>&1)
[ "$status" = 3 ] || { echo "yes 2015-11-22 CE | clvt convert - > /dev/full: status $status"; failed=1; }
"$clvt" convert - < / > /dev/null 2> "$work/err"
status=$?
if [ "$status" != 1 ] || [ "$(cat "$work/err")" != "clvt: cannot read standard input" ]; then
  echo "clvt convert - < /: status $status, standard error: $(cat "$work/err")"
  failed=1
fi
exit $failed
