#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# The release executable carries the usual hardening: position independent, full RELRO, a
# stack protector, a stack that is not executable, and _FORTIFY_SOURCE with optimisation.
# Usage: hardening_test.sh EXECUTABLE COMPILE_COMMANDS_JSON
set -eu
# readelf's field names are translated in some locales; read them in the untranslated one.
LC_ALL=C
export LC_ALL
program=$1
commands=$2
fail() { echo "FAIL: $*"; exit 1; }

readelf -hW "$program" | grep -q 'Type: *DYN' || fail "not a position independent executable"
readelf -dW "$program" | grep -q 'FLAGS_1.*PIE' || fail "no PIE flag"
readelf -lW "$program" | grep -q GNU_RELRO || fail "no RELRO segment"
readelf -dW "$program" | grep -q 'BIND_NOW' || fail "RELRO is partial: no BIND_NOW"
readelf -lW "$program" | grep GNU_STACK | grep -q 'RWE' && fail "the stack is executable"
nm -D --undefined-only "$program" | grep -q __stack_chk_fail || fail "no stack protector"

# _FORTIFY_SOURCE leaves no mark where no call has a size known at compile time, so the
# program's own compile commands are checked instead.
/usr/bin/python3 - "$commands" <<'PY' || fail "a source is built without _FORTIFY_SOURCE"
import json, re, sys
own = re.compile(r"/(flow|ui|app)/[^/]+\.cpp$")
entries = [e for e in json.load(open(sys.argv[1])) if own.search(e["file"])]
assert entries, "no compile commands for the program's sources"
for entry in entries:
    command = entry.get("command") or " ".join(entry["arguments"])
    if "-D_FORTIFY_SOURCE=2" not in command or not re.search(r"-O[123s]\b", command):
        print("built without _FORTIFY_SOURCE=2 or optimisation:", entry["file"])
        sys.exit(1)
print(len(entries), "sources built with _FORTIFY_SOURCE=2 and optimisation")
PY
echo "hardened"
