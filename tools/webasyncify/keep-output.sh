#!/bin/sh
# Runs a command with its output kept in the file $1 (shown as well when the
# command fails): the scan link's Asyncify advice.
out=$1
shift
"$@" >"$out" 2>&1 || { status=$?; cat "$out"; exit $status; }
