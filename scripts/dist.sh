#!/usr/bin/env bash
# Writes the archives a user downloads, one per deliverable and platform, under dist/:
#   Talvion-<version>-windows-x64.zip     Talvion.exe
#   Talvion-<version>-linux-x86_64.tar.gz Talvion, the native release build
#   SonavelVST-<version>-windows.zip      "Sonavel VST.dll" for x86 and for x64, in folders of their own
# Each holds a README.txt on installing and using it. Builds what is missing first.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/common.sh

talvion_version=$(sed -n 's/^project *(Talvion VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$talvion_version" ] || { echo "dist: no version in the root CMakeLists.txt" >&2; exit 1; }
# The loader has no version of its own unless its project() names one.
loader_version=$(sed -n 's/^project *(SonavelVST.* VERSION \([0-9.]*\).*/\1/p' vstloader/CMakeLists.txt)
loader_version="${loader_version:-$talvion_version}"

step "Windows artefacts"
bash scripts/build-windows.sh

step "Linux release build"
configure build/release -DCMAKE_BUILD_TYPE=Release
ninja -C build/release -j"$jobs" Talvion > build/release-build.log 2>&1 \
    || { tail -n 60 build/release-build.log >&2; exit 1; }

exe=build/win64/Talvion_artefacts/Release/Talvion.exe
linux=build/release/Talvion_artefacts/Release/Talvion
dll_x86="build/vst-i686/Sonavel VST.dll"
dll_x64="build/vst-x86_64/Sonavel VST.dll"
for file in "$exe" "$linux" "$dll_x86" "$dll_x64"; do
    if [ ! -f "$file" ]; then
        echo "dist: $file is missing; the archives need every deliverable (the loader DLLs come from scripts/build-vstloader.sh)" >&2
        exit 1
    fi
done

stage="$(mktemp -d "${TMPDIR:-/tmp}/talvion-dist.XXXXXX")"
trap 'rm -rf "$stage"' EXIT
mkdir -p dist
out="$PWD/dist"

step "Archives"

# Talvion for Windows x64.
name="Talvion-$talvion_version-windows-x64"
mkdir -p "$stage/$name"
cp "$exe" "$stage/$name/Talvion.exe"
cat > "$stage/$name/README.txt" <<EOF
Talvion $talvion_version for Windows x64 - the Varnet firmware updater

Installing
  Unpack this archive into any folder, for example C:\\Program Files\\Talvion.
  Talvion.exe is the whole program: it needs no installer and no other file.

Updating the Varnet
  1. Connect the Varnet to the computer by USB. Windows lists it as a MIDI device
     called "USB Audio Device".
  2. Start Talvion.exe.
  3. STEP1: choose "USB Audio Device" as the output device and as the input device.
     The update button turns green once both are open.
  4. STEP2: press "update" and wait until the status line reads "Update completed".
     Do not disconnect or switch off the Varnet while the update runs. If it reads
     "Error during update - please try again", start the update again.
  The built-in firmware is version 4.02 (R1737). It updates a Varnet that already
  runs firmware 3.00 or later.

Sending a SysEx file instead
  Start Talvion.exe with the path of a file of System Exclusive messages, for
  example by dropping the file onto Talvion.exe, or from a command prompt:
      Talvion.exe C:\\Updates\\update.syx
  The window then names the file, and "update" sends its messages one by one.

Only one copy of Talvion runs at a time; starting it again does nothing.
"Help" in the window shows the update procedure.
EOF
(cd "$stage" && rm -f "$out/$name.zip" && zip -q -r -X "$out/$name.zip" "$name")

# Talvion for Linux x86-64.
name="Talvion-$talvion_version-linux-x86_64"
mkdir -p "$stage/$name"
cp "$linux" "$stage/$name/Talvion"
cat > "$stage/$name/README.txt" <<EOF
Talvion $talvion_version for Linux x86-64 - the Varnet firmware updater

Installing
  Unpack this archive into any folder:
      tar -xzf $name.tar.gz
  Talvion needs the X11, ALSA, FreeType, PNG and JPEG libraries that a desktop
  system has; on Debian 12 they come with:
      sudo apt-get install libasound2 libfreetype6 libpng16-16 libjpeg62-turbo zlib1g \\
                           libx11-6 libxext6 libxrandr2 libxinerama1 libxcursor1
  To open the Varnet's MIDI ports your user needs access to the sound devices
  (on most systems the "audio" group).

Updating the Varnet
  1. Connect the Varnet to the computer by USB. It is listed as a MIDI device
     called "USB Audio Device".
  2. Start ./Talvion from the unpacked folder.
  3. STEP1: choose the Varnet's port as the output device and as the input device.
     The update button turns green once both are open.
  4. STEP2: press "update" and wait until the status line reads "Update completed".
     Do not disconnect or switch off the Varnet while the update runs. If it reads
     "Error during update - please try again", start the update again.
  The built-in firmware is version 4.02 (R1737). It updates a Varnet that already
  runs firmware 3.00 or later.

Sending a SysEx file instead
      ./Talvion /path/to/update.syx
  The window then names the file, and "update" sends its messages one by one.

Only one copy of Talvion runs at a time; starting it again does nothing.
"Help" in the window shows the update procedure.
EOF
tar -C "$stage" --owner=0 --group=0 -czf "$out/$name.tar.gz" "$name"

# Sonavel VST, both architectures.
name="SonavelVST-$loader_version-windows"
mkdir -p "$stage/$name/x86" "$stage/$name/x64"
cp "$dll_x86" "$stage/$name/x86/Sonavel VST.dll"
cp "$dll_x64" "$stage/$name/x64/Sonavel VST.dll"
cat > "$stage/$name/README.txt" <<EOF
Sonavel VST $loader_version for Windows - the VST 2 plug-in loader

What it is
  "Sonavel VST.dll" is a VST 2 plug-in that a plug-in host (a sequencer or other
  audio program) loads like any other. It has no sound of its own: it finds the
  installed program through the "Program Path" that the program's installer wrote
  to the registry (HKEY_CURRENT_USER\\SOFTWARE\\Arvenon), and loads the real
  plug-in from that program's Win32 folder.

Installing
  1. Install Sonavel XL (or the Polyvane application) first.
  2. Pick the folder that matches your plug-in host, not Windows:
       x86  for a 32-bit host,
       x64  for a 64-bit host.
  3. Copy "Sonavel VST.dll" from that folder into the host's VST plug-in folder,
     for example C:\\Program Files\\Steinberg\\VstPlugins, and let the host rescan
     its plug-ins.
  Under its own name, "Sonavel VST.dll", it serves Sonavel XL. Renamed after a
  Polyvane application (for example "Nova.dll" for the one registered as Nova),
  it serves that application instead.
  If the program or its real
  plug-in cannot be found, the loader says so in a message box when it is loaded.
EOF
(cd "$stage" && rm -f "$out/$name.zip" && zip -q -r -X "$out/$name.zip" "$name")

ls -l dist/"Talvion-$talvion_version"-* dist/"SonavelVST-$loader_version"-*
