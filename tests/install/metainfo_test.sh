#!/bin/sh
# The AppStream metadata passes appstreamcli's pedantic validation. The one note allowed is on
# the id: its top-level domain, .example, is unknown to the validator.
# Usage: metainfo_test.sh METAINFO   (exit 77: appstreamcli is missing, the test is skipped)
command -v appstreamcli >/dev/null 2>&1 ||
  { echo "appstreamcli is not installed (Debian package appstream)"; exit 77; }
report=$(appstreamcli validate --pedantic --no-net --explain "$1")
status=$?
if [ $status -ne 0 ] ||
    printf '%s\n' "$report" | grep -E '^[A-Z]: ' | grep -qvE '^I: [^ ]+ cid-maybe-not-rdns '; then
  printf '%s\n' "$report"
  exit 1
fi
