#!/usr/bin/env bash
# Makes the Debian package from a configured and built folder and checks what it installs:
#   tools/package-check.sh BUILD_FOLDER
# lintian on the .deb (errors fail, warnings are listed), an install into a temporary DESTDIR
# with the same files as the package, the menu entry and the AppStream data validated, the
# manual page rendered, and the installed programs run.
set -euo pipefail
build=$(realpath "${1:?usage: tools/package-check.sh BUILD_FOLDER}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step() { echo "== $*"; }
fail() { echo "package check: $*" >&2; exit 1; }

step "cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(echo "$work"/package/quillmere_*.deb)
[ -f "$deb" ] || fail "no package made"
cp "$deb" "$build/"
dpkg-deb --field "$deb" Package Version Section Depends Recommends

step "lintian"
# Errors fail; warnings are shown for the record.
lintian --fail-on error --display-level '>=warning' --tag-display-limit 0 "$deb" || fail "lintian found errors"

step "install into a temporary DESTDIR"
root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
# The package holds exactly what the install rules put there.
(cd "$root" && find . -type f | sort) >"$work/installed"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$work/packaged"
diff -u "$work/installed" "$work/packaged" || fail "the package and the install differ"

step "desktop-file-validate, appstreamcli validate"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

step "man -l"
# Any warning from the formatter is a mistake in the page.
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/quillmere.1.gz" 2>&1 >"$work/manual.txt")
[ -z "$man_warnings" ] || fail "the manual page has warnings: $man_warnings"
grep -q "EXIT STATUS" "$work/manual.txt" || fail "the manual page rendered without its sections"
bash -n "$root/usr/share/bash-completion/completions/quillmere" || fail "the bash completion does not parse"

step "run the installed programs"
export HOME="$work/home" XDG_DATA_HOME="$work/home/data"
mkdir -p "$HOME"
program="$root/usr/bin/quillmere"
"$program" --version | grep -qx "Quillmere [0-9.]*" || fail "quillmere --version"
"$program" generate --print --seed 1 >"$work/printed" 2>/dev/null
"$build/bin/quillmere" generate --print --seed 1 >"$work/expected" 2>/dev/null
cmp -s "$work/printed" "$work/expected" || fail "the installed program prints another set for --seed 1"
# An installed copy keeps its history in the user's data folder, even when it could write
# beside itself (as root here), so the window in libexec/ shares it.
(cd "$work" && "$program" generate --count 4 --seed 1 --out "$work/documents" 2>/dev/null)
[ -f "$XDG_DATA_HOME/Quillmere/历史题目.txt" ] || fail "the history is not in \$XDG_DATA_HOME/Quillmere"
[ "$(ls "$root/usr/bin")" = quillmere ] || fail "something was written beside the installed program"
[ "$("$program" history list | wc -l)" -eq 1 ] || fail "history list does not show the one saved set"
# Without arguments the command line starts the window program from libexec/; offscreen it
# keeps running until stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>"$work/window.log" || status=$?
[ "$status" -eq 124 ] || { cat "$work/window.log"; fail "the installed window did not start (status $status)"; }
echo "Package checked: $(basename "$deb")"
