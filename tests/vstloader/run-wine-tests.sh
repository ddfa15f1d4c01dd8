#!/usr/bin/env bash
# Tests one cross build of "Sonavel VST.dll": its exports and imports, then, under Wine in a fresh
# prefix, the test host loading copies of it in each situation below.
# Usage: run-wine-tests.sh ARCH CROSS_BUILD_DIR WORK_DIR   (ARCH is i686 or x86_64)
set -euo pipefail
arch=$1 build=$(realpath -m "$2") work=$(realpath -m "$3")

# Message boxes need a display: the whole run gets a private X server. The two architectures
# look for a free display number from different starting points, so that parallel runs do not race.
if [ -z "${VSTLOADER_UNDER_XVFB:-}" ]; then
    export VSTLOADER_UNDER_XVFB=1
    exec xvfb-run -a -n "$([ "$arch" = i686 ] && echo 140 || echo 160)" bash "$0" "$@"
fi

dll="$build/Sonavel VST.dll"
host="$build/tests/vst_test_host.exe"
for file in "$dll" "$host" "$build"/tests/test-real-plugin-{working,noentry,refusing}.dll; do
    [ -f "$file" ] || { echo "missing $file: run scripts/build-vstloader.sh first" >&2; exit 1; }
done

passed=0 failed=0
report() { # report OUTCOME DESCRIPTION [DETAILS]
    if [ "$1" = pass ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $2"; fi
    [ -z "${3:-}" ] || echo "$3" | sed 's/^/    /'
}

#==============================================================================
# The DLL as a file: three exports with their ordinals, and nothing imported but Windows' own DLLs.
dump=$("$arch-w64-mingw32-objdump" -p "$dll")
exports=$(echo "$dump" | awk '/Ordinal Base/ { base = $NF }
                              /^\[Ordinal\/Name Pointer\] Table/ { table = 1; next }
                              table && /^\s*$/ { table = 0 }
                              table { gsub (/[][]/, " "); print $1 + base, $2 }' | sort -n | tr '\n' ' ')
if [ "$exports" = "1 main 2 MAIN 3 VSTPluginMain " ]; then report pass exports
else report fail "exports by name and ordinal" "$exports"; fi

imports=$(echo "$dump" | awk '/DLL Name:/ { print tolower ($3) }' | sort | tr '\n' ' ')
if [ "$imports" = "advapi32.dll kernel32.dll msvcrt.dll user32.dll " ]; then report pass imports
else report fail "imports only Windows system DLLs" "$imports"; fi

#==============================================================================
# A fresh prefix, kept quiet, without the prompts for Mono and Gecko, and without a debugger
# that would hold a crashed host until its time-out.
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
rm -rf "$work"
mkdir -p "$work"
wineboot -i > "$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; exit 1; }
wineserver -w
# One server for all the runs below, instead of one started and stopped for each.
wineserver -p
trap 'wineserver -k > /dev/null 2>&1 || true' EXIT
prefixSeconds=$SECONDS
drive="$WINEPREFIX/drive_c"

# install FOLDER FILE VARIANT: a test real plug-in as FOLDER\Win32\FILE on drive C:.
install() {
    mkdir -p "$drive/$1/Win32"
    cp "$build/tests/test-real-plugin-$3.dll" "$drive/$1/Win32/$2"
}
install "Sonavel XL" SonavelVST.dll working
install "Sonavel XL" SonavelVSTi.dll working
install "Polyvane Nova" SonavelVSTi.dll working
install "Polyvane NoFile" SonavelVSTi.dll working
rm "$drive/Polyvane NoFile/Win32/SonavelVSTi.dll"
install "Polyvane Refuses" SonavelVSTi.dll refusing
install "Polyvane NoEntry" SonavelVSTi.dll noentry

# The loader under each name a test loads it by; the letter-case copy needs a folder of its own.
mkdir -p "$drive/Host/VST" "$drive/Host/Case"
for name in "Sonavel VST" "Other Name" Nova NoValue Empty NoFolder NoFile Refuses NoEntry; do
    cp "$dll" "$drive/Host/VST/$name.dll"
done
cp "$dll" "$drive/Host/Case/sonavel vst.DLL"

regAdd() { wine reg add "$@" /f > /dev/null 2>&1; }
regDelete() { wine reg delete "$@" /f > /dev/null 2>&1; }

# Xvfb has no window manager: Wine would wait two seconds for one as each message box closes.
regAdd 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
sonavelKey='HKCU\SOFTWARE\Arvenon\Sonavel XL'
polyvaneKey='HKCU\SOFTWARE\Arvenon\Polyvane'
regAdd "$sonavelKey" /v "Program Path" /t REG_SZ /d 'C:\Sonavel XL'
regAdd "$polyvaneKey\\Nova" /v "Program Path" /t REG_SZ /d 'C:\Polyvane Nova\'
regAdd "$polyvaneKey\\NoValue" /v "Version" /t REG_SZ /d 1
regAdd "$polyvaneKey\\Empty" /v "Program Path" /t REG_SZ /d ''
regAdd "$polyvaneKey\\NoFolder" /v "Program Path" /t REG_SZ /d 'C:\Polyvane Missing'
regAdd "$polyvaneKey\\NoFile" /v "Program Path" /t REG_SZ /d 'C:\Polyvane NoFile'
regAdd "$polyvaneKey\\Refuses" /v "Program Path" /t REG_SZ /d 'C:\Polyvane Refuses'
regAdd "$polyvaneKey\\NoEntry" /v "Program Path" /t REG_SZ /d 'C:\Polyvane NoEntry\'

# host DESCRIPTION ARGUMENTS...: one run of the test host, from the folder C:\Host.
host() {
    local description=$1 output status=0
    shift
    local started=$SECONDS
    output=$(cd "$drive/Host" && timeout 60 wine "$host" "$@" 2>&1) || status=$?
    [ -z "${VSTLOADER_TIMING:-}" ] || echo "$description: $((SECONDS - started)) s"
    if [ $status -eq 0 ]; then report pass "$description"
    else report fail "$description (exit $status)" "$output"; fi
}

vst='C:\Host\VST'
sonavelWin32='C:\Sonavel XL\Win32'
pvKeyText='\n\nYou must run the Polyvane standalone application before using the VST plug-in.'
svKeyText='\n\nYou must run Sonavel XL before using the VST plug-in.'

host "shipped name" load "$vst\\Sonavel VST.dll" "Sonavel VST" 0 "$sonavelWin32\\SonavelVST.dll"
host "shipped name in other letter case" load 'C:\Host\Case\sonavel vst.DLL' "sonavel vst" 0 "$sonavelWin32\\SonavelVST.dll"
host "other name without a Polyvane key" load "$vst\\Other Name.dll" "Other Name" 0 "$sonavelWin32\\SonavelVSTi.dll"
host "other name with a Polyvane key" load "$vst\\Nova.dll" Nova 1 'C:\Polyvane Nova\Win32\SonavelVSTi.dll'
host "Polyvane value missing" refuse "$vst\\NoValue.dll" Error "Warning! Failed to find Polyvane info in registry!$pvKeyText"
host "Polyvane value empty" refuse "$vst\\Empty.dll" 'SOFTWARE\Arvenon\Polyvane\Empty' "Path not found!"
host "Win32 folder missing" refuse "$vst\\NoFolder.dll" 'C:\Polyvane Missing\Win32\' \
    "Warning! Failed to set directory. Can't open VST plugin"
host "real plug-in missing" refuse "$vst\\NoFile.dll" "Sonavel VST Error - Failed to find:" 'C:\Polyvane NoFile\Win32\SonavelVSTi.dll'
host "real plug-in refuses to load" refuse "$vst\\Refuses.dll" "Failed to load" 'C:\Polyvane Refuses\Win32\SonavelVSTi.dll'
host "real plug-in without ConnectVST" refuse "$vst\\NoEntry.dll" 'Failed to find "ConnectVST" in' \
    'C:\Polyvane NoEntry\Win32\SonavelVSTi.dll'

regAdd "$sonavelKey" /v "Program Path" /t REG_SZ /d 'C:\Sonavel XL\'
host "Program Path with a trailing backslash" load "$vst\\Sonavel VST.dll" "Sonavel VST" 0 "$sonavelWin32\\SonavelVST.dll"
regAdd "$sonavelKey" /v "Program Path" /t REG_SZ /d ''
host "Sonavel XL value empty" refuse "$vst\\Sonavel VST.dll" 'SOFTWARE\Arvenon\Sonavel XL' "Path not found!"
regDelete "$sonavelKey" /v "Program Path"
host "Sonavel XL value missing" refuse "$vst\\Sonavel VST.dll" Error "Warning! Failed to find Sonavel XL info in registry!$svKeyText"
regDelete "$sonavelKey"
host "Sonavel XL key missing" refuse "$vst\\Other Name.dll" 'SOFTWARE\Arvenon\Sonavel XL' "Sonavel VST - Error opening RegKey$svKeyText"

echo "$arch: prefix ready after ${prefixSeconds} s, all runs done after ${SECONDS} s"
echo "$arch: $passed passed, $failed failed"
[ $failed -eq 0 ]
