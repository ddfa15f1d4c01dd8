#!/usr/bin/env bash
# Talvion.exe must run from its folder alone: every DLL it imports is one that Windows itself ships,
# so neither mingw's runtime nor an image library may appear among its imports.
#   imports_test.sh TALVION_EXE
set -uo pipefail
exe="$1"

if [ ! -f "$exe" ]; then
    echo "FAIL: $exe does not exist: build it with scripts/build-windows.sh" >&2
    exit 1
fi

dump=$(x86_64-w64-mingw32-objdump -p "$exe") || { echo "FAIL: objdump cannot read $exe"; exit 1; }

failures=0
grep -q '^Magic.*20b' <<< "$dump" && echo "ok: a PE32+ (x64) image" || { echo "FAIL: not a PE32+ image"; failures=$((failures + 1)); }
grep -q '^Subsystem.*(Windows GUI)' <<< "$dump" && echo "ok: a GUI program, no console" \
    || { echo "FAIL: not built for the Windows GUI subsystem"; failures=$((failures + 1)); }

# The DLLs of Windows itself that JUCE's Windows code and the C runtime may use.
system_dlls="advapi32.dll comctl32.dll comdlg32.dll crypt32.dll d2d1.dll dwmapi.dll dwrite.dll dxgi.dll
gdi32.dll imm32.dll iphlpapi.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll rpcrt4.dll setupapi.dll
shell32.dll shlwapi.dll user32.dll version.dll wininet.dll winmm.dll ws2_32.dll wsock32.dll"

imports=$(awk '/DLL Name:/ { print tolower ($3) }' <<< "$dump" | sort -u)
[ -n "$imports" ] || { echo "FAIL: no imports found"; failures=$((failures + 1)); }
for dll in $imports; do
    if tr -s ' ' '\n' <<< "$system_dlls" | grep -Fqx "$dll"; then
        echo "ok: imports $dll"
    else
        echo "FAIL: imports $dll, which Windows does not ship"
        failures=$((failures + 1))
    fi
done

echo "$failures failure(s)"
[ $failures = 0 ]
