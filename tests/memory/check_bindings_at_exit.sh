#!/bin/sh
# Runs bindings_at_exit under valgrind on a copy of a game folder: no memory error, and the
# heap still in use at exit is exactly the bindings (bytes and blocks).
# Usage: check_bindings_at_exit.sh PROGRAM GAME_FOLDER
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$2" "$work/game"
valgrind --error-exitcode=3 --leak-check=full --show-leak-kinds=all --errors-for-leak-kinds=none \
    --log-file="$work/valgrind.log" "$1" "$work/game" >"$work/out"
bindings=$(sed -n 's/^bindings: \([0-9]*\) bytes in \([0-9]*\) blocks$/\1 \2/p' "$work/out")
in_use=$(sed -n 's/.*in use at exit: \([0-9,]*\) bytes in \([0-9,]*\) blocks.*/\1 \2/p' "$work/valgrind.log" | tr -d ,)
echo "bindings:         $bindings (bytes blocks)"
echo "in use at exit:   $in_use (bytes blocks, valgrind)"
grep -E 'ERROR SUMMARY' "$work/valgrind.log" | sed 's/^==[0-9]*== //'
if [ -z "$bindings" ] || [ "$bindings" != "$in_use" ]; then
    sed 's/^==[0-9]*== //' "$work/valgrind.log"
    echo "the heap in use at exit is not just the bindings"
    exit 1
fi
