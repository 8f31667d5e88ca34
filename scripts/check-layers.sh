#!/usr/bin/env bash
# The layers of src/, one direction:
#   console/terminal/  the cell buffer, keys, backends and line input: it
#                      includes nothing of the program outside itself;
#   the core           every other file under database/, stats/, html/,
#                      votes/ and maintenance/ that is not a *_screen file:
#                      it takes plain data and never includes app.h, a
#                      screen or anything under console/;
#   the screens        *_screen files, console/ and the files at src/'s root.
# Only the terminal backend includes curses.
# Prints each offending include and exits 1 when there is one.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src" || exit 2

bad=0
report() {
    echo "layer check: $1: $2"
    bad=1
}

while IFS= read -r file; do
    includes="$(grep -E '^[[:space:]]*#[[:space:]]*include' "$file")"
    project="$(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' <<<"$includes")"
    if grep -qE '[<"/](n?curses(w)?|term|panel|menu|form)\.h[>"]|<ncursesw?/' <<<"$includes" &&
        [ "$file" != console/terminal/terminal_backend.cpp ]; then
        report "$file" "includes curses (only console/terminal/terminal_backend.cpp may)"
    fi
    case "$file" in
        console/terminal/*)
            while IFS= read -r inc; do
                [ -z "$inc" ] && continue
                case "$inc" in console/terminal/*) ;; *) report "$file" "includes $inc" ;; esac
            done <<<"$project"
            ;;
        console/* | *_screen.cpp | *_screen.h) ;;
        */*)
            while IFS= read -r inc; do
                case "$inc" in
                    app.h | console/* | *_screen.h) report "$file" "core file includes $inc" ;;
                esac
            done <<<"$project"
            ;;
    esac
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's#^\./##' | sort)

if [ "$bad" -ne 0 ]; then
    echo "layer check: FAILED"
    exit 1
fi
echo "layer check: passed"
