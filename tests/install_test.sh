#!/bin/sh
# Installs a build into a scratch prefix, checks that every installed file is
# in its place and sound, and runs the installed programs on the bundled
# example: the solver, then the viewer without a display.
#   install_test.sh CMAKE BUILD_DIR SOURCE_DIR
set -eu
cmake=$1
build=$2
source=$3

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quelm-install.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
fail() { echo "install test: $*" >&2; exit 1; }

unset DESTDIR
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

for file in bin/quelmw bin/vexplotw share/vexplotw/help/vphelp.html \
            share/man/man1/quelmw.1 share/man/man1/vexplotw.1 \
            share/applications/vexplotw.desktop share/mime/packages/vexplotw.xml \
            share/icons/hicolor/scalable/apps/vexplotw.svg; do
  [ -s "$prefix/$file" ] || fail "$file is missing below the prefix"
done
[ -x "$prefix/bin/quelmw" ] && [ -x "$prefix/bin/vexplotw" ] || fail "the programs are not executable"

for page in quelmw vexplotw; do
  warnings=$(groff -man -ww -z "$prefix/share/man/man1/$page.1" 2>&1)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done
desktop-file-validate "$prefix/share/applications/vexplotw.desktop" || fail "invalid desktop entry"
problems=$(update-mime-database "$prefix/share/mime" 2>&1) || fail "invalid MIME type: $problems"
grep -q '^50:application/x-vexplot-plot:\*\.vpt$' "$prefix/share/mime/globs2" || fail "no MIME type for .vpt"
grep -q '^50:application/x-vexplot-plot:\*\.vpx$' "$prefix/share/mime/globs2" || fail "no MIME type for .vpx"

# The programs read and write nothing of the user's own.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config"
run=$scratch/run
mkdir -p "$run" "$HOME"
cp "$source/examples/ring.in" "$run/"
"$prefix/bin/quelmw" "$run/ring.in" >/dev/null || fail "quelmw failed"
[ -s "$run/ring.out" ] && [ -s "$run/ring.vpt" ] || fail "quelmw wrote no listing or plot file"

QT_QPA_PLATFORM=offscreen "$prefix/bin/vexplotw" --export "$run/pictures" --format png "$run/ring.vpt" \
  >/dev/null || fail "vexplotw --export failed"
for picture in ring.png ring1.png; do
  [ "$(head -c 4 "$run/pictures/$picture" | tail -c 3)" = PNG ] || fail "no picture $picture"
done
