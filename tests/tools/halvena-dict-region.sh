#!/usr/bin/env bash
# End-to-end checks of "halvena-dict region": TOOL PROGRAM_FOLDER WORKDIR.
set -u
tool=$1 program=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# expect CODE CMD...: runs CMD with stdout in out.txt and stderr in err.txt.
expect() {
  local code=$1; shift
  "$@" >out.txt 2>err.txt
  local got=$?
  [ "$got" = "$code" ] || fail "'$*' exited $got, expected $code: $(cat err.txt)"
}
# is EXPECTED: out.txt holds exactly the lines of EXPECTED (printf format).
is() { [ "$(od -c out.txt)" = "$(printf "$1" | od -c)" ] || fail "got '$(cat out.txt)', expected '$1'"; }

# A hand-made file in Windows-1252 with CR LF line ends.
printf '[0]\r\n10,10,20,20=Hart|\r\n0,0,100,100=Borst|\r\n10,10,90,90=Zonder streep\r\n0,200,99,299=Li\351s|\r\n\r\n0,0,500,1400=Na lege regel|\r\n[Queries]\r\nHart=+"hart"%%"hartspier"\r\nLi\351s=+lies=a\r\n' >qf.dat
expect 0 "$tool" region qf.dat 0 15 15
is 'Hart\n+"hart"%%"hartspier"\n'
expect 0 "$tool" region qf.dat 0 20 15        # right edge outside: the next rectangle
is 'Borst\n\n'
expect 0 "$tool" region qf.dat 0 50 250       # the name and query leave as UTF-8
is 'Li\303\251s\n+lies=a\n'
expect 0 "$tool" region qf.dat 0 300 300      # after the empty line: nothing
is '\n\n'
expect 0 "$tool" region qf.dat 1 15 15        # no section for the view
is '\n\n'
expect 0 "$tool" region -- qf.dat 0 -5 -5
is '\n\n'

# The real file the build writes: the middle of the chest in the front view is a region that
# has a query.
expect 0 "$tool" region "$program/D/qf.dat" 0 254 450
[ "$(sed -n 1p out.txt)" != "" ] || fail "the real front view has no region in the chest"
[ "$(sed -n 2p out.txt | cut -c1)" = "+" ] || fail "the chest's query: $(sed -n 2p out.txt)"

# Errors: files that cannot be read, and usage errors.
expect 2 "$tool" region missing.dat 0 1 1
grep -qxF "halvena-dict: missing.dat: cannot read the file" err.txt || fail "missing: $(cat err.txt)"
expect 2 "$tool" region . 0 1 1
grep -qxF "halvena-dict: .: cannot read the file" err.txt || fail "folder: $(cat err.txt)"
mkfifo pipe.dat
expect 2 timeout 10 "$tool" region pipe.dat 0 1 1
head -c 4194305 /dev/zero >big.dat
expect 2 "$tool" region big.dat 0 1 1
grep -q "big.dat: larger than 4194304 bytes" err.txt || fail "big: $(cat err.txt)"
expect 2 "$tool" region qf.dat 16 1 1
grep -q '^usage: halvena-dict' err.txt || fail "no usage text for view 16"
expect 2 "$tool" region qf.dat 0 1
expect 2 "$tool" region qf.dat 0 1 1x
expect 2 "$tool" region qf.dat 0 1 99999999999

[ "$failures" = 0 ] && echo "halvena-dict region: all checks passed"
exit "$failures"
