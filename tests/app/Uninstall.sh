#!/usr/bin/env bash
# Installation and "halvena uninstall" end to end, without a display: Uninstall.sh BUILD_FOLDER
# Installs into temporary prefixes, checks what the uninstall record claims, attacks the
# uninstall script with manipulated manifests and records, and removes the installation.
set -u
build=$1
work=$(mktemp -d)
chmod 755 "$work"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=0
passed=0
failed=0

check() { # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok   $name"
  else
    failed=$((failed + 1))
    echo "FAIL $name"
  fi
}
install_into() { cmake --install "$build" --prefix "$1" >"$work/install.log" 2>&1; }
listing() { (cd "$1" && find . | sort); }
has_line() { grep -qxF -- "$2" "$1"; }
one_line_saying() { # one_line_saying FILE TEXT: FILE is one line that contains TEXT
  [ "$(wc -l <"$1")" = 1 ] && grep -qF -- "$2" "$1"
}

# A staged installation, as for a package, carries no uninstall record; the option says so too.
DESTDIR=$work/stage cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1
check "a staged installation has the program" test -x "$work/stage/usr/bin/halvena"
check "a staged installation has no uninstall record or script" \
  test -z "$(find "$work/stage" -name installation.ini -o -name 'uninstall*' -o -name 'halvena-uninstall')"
check "the desktop entry starts the installed launcher" \
  grep -qx 'Exec=/usr/bin/halvena' "$work/stage/usr/share/applications/nl.halvena.halvena.desktop"
cmake -DCMAKE_INSTALL_PREFIX="$work/off" -DHALVENA_UNINSTALL_RECORD=OFF \
  -P "$build/cmake_install.cmake" >"$work/install.log" 2>&1
check "HALVENA_UNINSTALL_RECORD=OFF writes no record" \
  test -x "$work/off/bin/halvena" -a ! -e "$work/off/lib/halvena/installation.ini"
"$work/off/bin/halvena" uninstall >"$work/out" 2>"$work/err"
check "without a record, uninstall fails" test $? = 1
check "without a record, uninstall names the package manager" one_line_saying "$work/err" "package manager"

# Folders that existed before the installation are never claimed, and stay.
pre=$work/pre
mkdir -p "$pre/bin" "$pre/share/applications" "$pre/share/icons"
echo keep >"$pre/bin/other"
before=$(listing "$pre")
install_into "$pre"
manifest=$pre/lib/halvena/uninstall.manifest
check "the record claims no folder that existed before" \
  test -z "$(grep -xE "d $pre(/bin|/share|/share/applications|/share/icons)?" "$manifest")"
check "the record claims the folders it created" has_line "$manifest" "d $pre/lib/halvena"
# Installed again over itself, the installation still owns what the first one created.
install_into "$pre"
check "a second installation keeps the claims of the first" has_line "$manifest" "d $pre/lib/halvena"
"$pre/bin/halvena" uninstall >"$work/out" 2>"$work/err"
check "uninstall succeeds" test $? = 0
check "uninstall leaves what was there before, and nothing else" test "$(listing "$pre")" = "$before"

# Attacks: a manifest that names anything outside the prefix, or anything that is not a plain
# file or folder, is refused whole before anything is removed.
prefix=$work/prefix
victim=$work/victim
mkdir -p "$victim/empty"
echo precious >"$victim/file"
install_into "$prefix"
manifest=$prefix/lib/halvena/uninstall.manifest
cp "$manifest" "$work/manifest.good"
ln -s "$victim" "$prefix/lib/halvena/linked-folder"
ln -s "$victim/file" "$prefix/lib/halvena/linked-file"
installed=$(listing "$prefix")
victims=$(listing "$victim")
attack() { # attack NAME LINE: the line added to the manifest is refused, nothing is removed
  { cat "$work/manifest.good"; echo "$2"; } >"$manifest"
  "$prefix/lib/halvena/halvena-uninstall" >"$work/out" 2>"$work/err"
  local code=$?
  check "$1: refused" test "$code" = 1
  check "$1: one line saying nothing was removed" one_line_saying "$work/err" "nothing removed"
  check "$1: nothing removed" test "$(listing "$prefix")" = "$installed" -a \
    "$(listing "$victim")" = "$victims"
}
attack "an absolute path outside" "f $victim/file"
attack "a path that climbs out" "f $prefix/lib/halvena/../../../victim/file"
attack "a path through a linked folder" "f $prefix/lib/halvena/linked-folder/file"
attack "a link to a file outside" "f $prefix/lib/halvena/linked-file"
attack "a folder outside" "d $victim/empty"
attack "the prefix itself" "d $prefix"
attack "a folder named as a file" "f $prefix/lib/halvena/D"
attack "a line that is no entry" "rm -rf $victim"
attack "a relative path" "f victim/file"
cp "$work/manifest.good" "$manifest"
rm "$prefix/lib/halvena/linked-folder" "$prefix/lib/halvena/linked-file"
installed=$(listing "$prefix")

# The record decides only whether the script runs, never what runs.
record=$prefix/lib/halvena/installation.ini
cp "$record" "$work/record.good"
printf '[Installation]\nUninstaller="/bin/sh" -c "touch %s/ran"\n' "$work" >"$record"
"$prefix/bin/halvena" uninstall >"$work/out" 2>"$work/err"
check "a record naming a shell: refused" test $? = 1 -a ! -e "$work/ran"
check "a record naming a shell: one line on stderr" one_line_saying "$work/err" "nothing was run"
printf '[Installation]\nUninstaller="/bin/rm" -rf "%s"\n' "$victim" >"$record"
"$prefix/bin/halvena" uninstall >"$work/out" 2>"$work/err"
check "a record naming rm: refused, nothing deleted" test $? = 1 -a "$(listing "$victim")" = "$victims"
cp "$work/record.good" "$record"

# A user who may not remove the files is told so at once, and nothing is removed.
if [ "$(id -u)" = 0 ]; then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  chown 65534 "$XDG_RUNTIME_DIR"
else
  as_user=()
  chmod a-w "$prefix/bin"
fi
"${as_user[@]}" "$prefix/bin/halvena" uninstall >"$work/out" 2>"$work/err"
check "without permission: uninstall fails" test $? = 1
check "without permission: one line saying so" one_line_saying "$work/err" "permission denied"
check "without permission: nothing removed" test "$(listing "$prefix")" = "$installed"
chmod u+w "$prefix/bin"
[ "$(id -u)" = 0 ] && chown 0 "$XDG_RUNTIME_DIR"

"$prefix/bin/halvena" UNINSTALL >"$work/out" 2>"$work/err"
check "uninstall removes the installation" test $? = 0 -a -z "$(find "$prefix" -mindepth 1)"
check "uninstall says where it removed Halvena from" one_line_saying "$work/out" "removed from $prefix"
check "uninstall leaves everything else alone" test "$(listing "$victim")" = "$victims"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
