#!/bin/sh
# Usage: json_test.sh GOLDEN_DIR CLVT
# Every recorded --json output is one line holding one valid JSON value in UTF-8; one that
# read its DATEs from standard input holds one such line for each line that is not blank,
# whose "input" is that line, in order (JSON Lines). A run that
# the listing's capacity stops gives in JSON what it gives as text: the same lines, in the
# same order and with the same marks, no summary, "stopped": "capacity", "Textbox is full." on
# standard error and exit status 1. Skipped (77) where python3 is missing.
set -u
golden=$1
clvt=$2
command -v python3 >/dev/null 2>&1 || { echo "python3 is not installed"; exit 77; }
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
failed=0

for out in "$golden"/*/stdout; do
  case_dir=${out%/stdout}
  grep -qx -- --json "$case_dir/args" || continue
  python3 - "$out" "$case_dir/stdin" <<'END' || { echo "${case_dir##*/}: not as above"; failed=1; }
import json, os, sys
lines = open(sys.argv[1], "rb").read().decode("utf-8").split("\n")
assert lines.pop() == "", "no line end at the end"
values = [json.loads(line) for line in lines]
if not os.path.exists(sys.argv[2]):
    assert len(values) == 1, f"{len(values)} lines"
    sys.exit(0)
given = open(sys.argv[2], "rb").read().decode("utf-8").split("\n")
given = [g.removesuffix("\r") for g in given if g.strip(" \r")]
assert len(values) == len(given), f"{len(values)} lines for {len(given)} DATEs"
for value, line in zip(values, given):
    assert line.startswith(value["input"]), (value["input"], line)
END
done

# capacity ROWS ARGS...: runs clvt ARGS as text and as JSON; ROWS names the JSON's list of
# lines ("days" or "years").
capacity() {
  rows=$1
  shift
  "$clvt" "$@" > "$work/text" 2> "$work/text_err"
  text_status=$?
  "$clvt" "$@" --json > "$work/json" 2> "$work/json_err"
  json_status=$?
  if [ "$text_status" != 1 ] || [ "$json_status" != 1 ] ||
     [ "$(cat "$work/json_err")" != "Textbox is full." ] ||
     ! cmp -s "$work/text_err" "$work/json_err"; then
    echo "clvt $*: exit $text_status as text, $json_status as JSON; standard error:"
    cat "$work/text_err" "$work/json_err"
    failed=1
    return
  fi
  python3 - "$work/text" "$work/json" "$rows" <<'END' || { echo "clvt $* --json"; failed=1; }
import json, sys
lines = [l for l in open(sys.argv[1], encoding="utf-8") if "CE" in l]
run = json.load(open(sys.argv[2], encoding="utf-8"))
rows = run[sys.argv[3]]
assert run["stopped"] == "capacity" and run["summary"] is None, (run["stopped"], run["summary"])
assert len(rows) == len(lines), f"{len(rows)} rows for {len(lines)} lines"
for row, line in zip(rows, lines):
    dates = [place["ymd"] for key, place in row.items() if isinstance(place, dict)]
    assert len(dates) == 2 and all(d in line for d in dates), (dates, line)
    assert row["marked"] == ("<--" in line), line
END
}
capacity days sequence --days 800 -4713-11-24 CE
capacity years equinox --years 800 3000
exit $failed
