#!/usr/bin/env bash
# End-to-end checks of halvena-dict: TOOL FIXTURES WORKDIR.
set -u
tool=$1 fixtures=$2 work=$3
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
has() { grep -qxF -- "$2" "$1" || fail "$1 lacks the line '$2': $(cat "$1")"; }

# Build with warnings (exit 0), then dump in both forms and build again: the same bytes.
expect 0 "$tool" build --sort -o d1.dat "$fixtures/sample.txt" "$fixtures/sample.jsonl"
has err.txt "halvena-dict: $fixtures/sample.txt:10: warning: cross-reference {Nier} names no title"
grep -q 'sample.txt:13: warning: title "Één keer" does not begin' err.txt || fail "no title warning"
expect 0 "$tool" dump d1.dat; cp out.txt d1.jsonl
has d1.jsonl '{"id": 20, "key": "Aorta", "text": "De grote lichaamsslagader.\r\nÉén alinea."}'
expect 0 "$tool" build -o d2.dat d1.jsonl
cmp -s d1.dat d2.dat || fail "jsonl dump does not rebuild the same file"
expect 0 "$tool" dump --text d1.dat; cp out.txt d1.txt
has d1.txt '=1 Hart|Cor'
expect 0 "$tool" build -o d3.dat d1.txt
cmp -s d1.dat d3.dat || fail "txt dump does not rebuild the same file"

# The contents refresh: 26 letter counts, and the items of one letter.
expect 0 "$tool" contents d1.dat
[ "$(wc -l <out.txt)" = 26 ] || fail "contents prints $(wc -l <out.txt) lines"
has out.txt "H 2"; has out.txt "A 1"; has out.txt "E 0"; has out.txt "O 1"; has out.txt "Z 1"
expect 0 "$tool" contents d1.dat h
[ "$(cat out.txt)" = "$(printf '3|Hart\n4|Hartinfarct')" ] || fail "contents h: $(cat out.txt)"
expect 0 "$tool" contents d1.dat '#'
has out.txt "2|Één keer"

# Filter and search.
expect 0 "$tool" filter d1.dat '+"hart"'
[ "$(cat out.txt)" = "$(printf '1|Hart\n2|Hartinfarct\n3|Longen\n4|Open hart')" ] || fail "filter: $(cat out.txt)"
expect 0 "$tool" filter d1.dat '-hart'
[ "$(cat out.txt)" = "$(printf '1|Aorta\n2|Één keer\n3|Longen\n4|Zweer')" ] || fail "filter -hart: $(cat out.txt)"
expect 0 "$tool" filter --scope A d1.dat ''
[ "$(wc -l <out.txt)" = 7 ] || fail "an empty query with a scope lists every entry"
expect 0 "$tool" search d1.dat hart
has out.txt "selected: 1|Hart"
expect 0 "$tool" search d1.dat 'open hart'
[ "$(cat out.txt)" = "$(printf '1|Open hart\nselected: 1|Open hart')" ] || fail "search: $(cat out.txt)"
expect 0 "$tool" search d1.dat milt
[ ! -s out.txt ] || fail "a search without result prints nothing"

# Broken files give the loader's answers: the records read so far, then the reason.
head -c 60 d1.dat >short.dat
expect 1 "$tool" dump short.dat
[ "$(wc -l <out.txt)" = 1 ] || fail "the truncated file keeps its first record"
has err.txt "halvena-dict: short.dat: the file ends inside record 2"
: >empty.dat
expect 1 "$tool" dump empty.dat
has err.txt "halvena-dict: empty.dat: the file is shorter than its 4-byte record count"
printf '\377\377\377\377' >negative.dat
expect 0 "$tool" dump negative.dat
[ ! -s out.txt ] || fail "a negative count loads nothing"
expect 1 "$tool" dump missing.dat
has err.txt "halvena-dict: missing.dat: cannot open the file"
expect 1 "$tool" contents short.dat
[ ! -s out.txt ] || fail "contents lists letters of a file it could not load: $(cat out.txt)"
expect 1 "$tool" contents missing.dat H
[ ! -s out.txt ] || fail "contents lists a letter of a file it could not load"

# Errors: exit 2 with the file and line, and usage errors.
printf '= A\nx\n= \n' >bad.txt
expect 2 "$tool" build -o bad.dat bad.txt
has err.txt "halvena-dict: bad.txt:3: empty key"
[ ! -e bad.dat ] || fail "a failed build must not write its output"
printf '=5 A\nx\n=5 B\ny\n' >dup.txt
expect 2 "$tool" build -o dup.dat dup.txt
has err.txt "halvena-dict: dup.txt:3: duplicate Id 5 (first at dup.txt:1)"
expect 2 "$tool" build -o x.dat bad.csv
expect 2 "$tool"
grep -q '^usage: halvena-dict build' err.txt || fail "no usage text"
# A usage error names what was wrong before the usage, which nothing goes to stdout.
usage_error() { # usage_error MESSAGE ARGS...
  local message=$1
  shift
  expect 2 "$tool" "$@"
  [ "$(head -n 1 err.txt)" = "halvena-dict: $message" ] || fail "'$*': $(head -n 1 err.txt)"
  grep -q '^usage: halvena-dict build' err.txt || fail "'$*' shows no usage"
  [ ! -s out.txt ] || fail "'$*' prints on stdout"
}
usage_error "build needs -o OUT" build d1.txt
usage_error "build needs at least one SOURCE" build -o x.dat
usage_error "option -o needs a value" build -o
usage_error "LETTER must be A–Z, # or 0, not 'AB'" contents d1.dat AB
usage_error "unknown command 'lookup'" lookup d1.dat
usage_error "option --txt is unknown" dump --txt d1.dat
usage_error "option --frobnicate is unknown" --frobnicate
usage_error "dump takes one FILE" dump
usage_error "filter takes FILE and QUERY" filter d1.dat
usage_error "--scope must be A (every entry); leave it out for no scope" filter --scope B d1.dat ''
expect 2 "$tool" filter d1.dat 'pijl →'

# Import: a dictd dictionary written here, with the count of replaced characters; a lying
# index is refused with exit 2 and leaves no output behind.
printf 'hart\n   Een spier, zie {long}. Caf\303\251 \304\201\n' >med.dict
printf 'long\n   Ademhaling.\n' >>med.dict
printf '00-database-utf8\tA\tA\nhart\tA\to\nlong\to\tU\n' >med.index
expect 0 "$tool" import --sort -o med.dat med.index
has out.txt "med.dat: 2 entries, 1 characters replaced by a plain letter or \"?\""
expect 0 "$tool" dump --text med.dat
has out.txt "Een spier, zie {long}. Café a"
printf 'hart\tA\tBA\n' >bad.index
cp med.dict bad.dict
expect 2 "$tool" import -o bad.dat bad.index
grep -q '^halvena-dict: bad.dict: an entry at offset 0 of 64 bytes runs past the end' err.txt \
  || fail "import of a lying index: $(cat err.txt)"
[ ! -e bad.dat ] && [ ! -e bad.dat.tmp ] || fail "a failed import must leave no file"
expect 2 "$tool" import -o x.dat missing.index
has err.txt "halvena-dict: missing.index: cannot read the file"
expect 2 "$tool" import med.index

# Help and version go to stdout with exit 0; the usage explains the query and the numbers.
expect 0 "$tool" --help
grep -q '^usage: halvena-dict build' out.txt || fail "--help prints no usage on stdout"
[ ! -s err.txt ] || fail "--help writes to stderr"
grep -q '+word required, %word any of these, -word excluded' out.txt || fail "no query language"
grep -q "position in that list" out.txt || fail "the usage does not say what the numbers are"
expect 0 "$tool" --version
grep -q '^halvena-dict [0-9]' out.txt || fail "--version: $(cat out.txt)"

[ "$failures" = 0 ] && echo "halvena-dict command line: all checks passed"
exit "$failures"
