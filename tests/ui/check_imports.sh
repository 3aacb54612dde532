#!/bin/sh
# quelbind.exe may import only DLLs that Windows itself ships: the runtime is linked statically.
set -eu
dlls=$(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
echo "imports:" $dlls
for dll in $dlls; do
    case "$dll" in
        kernel32.dll | user32.dll | msvcrt.dll) ;;
        *) echo "unexpected import: $dll"; exit 1 ;;
    esac
done
echo "$dlls" | grep -qx user32.dll
