#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# In a fresh Wine prefix with code page 932: a recording stand-in for DOSBox installed where
# DOSBox 0.74-3's installer puts it, an MS-DOS BRMSX.EXE and a ROM image in a folder with a
# Japanese name whose code-page bytes end in that of "\" ("ソフト表"), and a Vorlent.ini naming
# them with the ROM in slot 1. Starting brMSX must start DOSBox with the emulator's folder as C:,
# by its 8.3 path (DOSBox cannot mount that folder by its own), the launcher's staging folder as
# D:, holding the ROM's bytes as M1.ROM, and brMSX's command line on C:; the command DOSBox is
# given is compared byte for byte.
#
#   scripts/windows-dosbox-start.sh cli PATH/TO/vorlent-cli.exe RECORDER
#       starts it with "vorlent-cli.exe run brmsx --config ..."
#   scripts/windows-dosbox-start.sh window PATH/TO/vorlent-win64.zip RECORDER [SCREENSHOT.png]
#       unpacks the package alone, with the Vorlent.ini beside vorlent.exe, starts the program
#       and presses F9 (brMSX) and F5 in its main window, as a user does; runs on a display and
#       saves the screen after F5 when asked
#
# RECORDER is record_command_line.exe (it writes its command line to the file that
# VORLENT_RECORD_TO names). The caller sets the Japanese locale; the prefix is made in a scratch
# folder and removed.
set -euo pipefail
mode=$1
program=$(realpath "$2")
recorder=$(realpath "$3")
screenshot=${4:-}
. "$(dirname "$0")/wine-session.sh"
# The program is started from its own folder: a locale folder named relative to the caller's
# would not be found there.
[ -z "${LOCPATH:-}" ] || LOCPATH=$(realpath "$LOCPATH")

fail() {
  echo "dosbox start ($mode): $*" >&2
  exit 1
}

scratch=$(mktemp -d)
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  timeout 60 wineserver -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
wine_prefix "$scratch/prefix" || fail "no Wine prefix"

drive_c=$WINEPREFIX/drive_c
dosbox_folder="$drive_c/Program Files/DOSBox-0.74-3"
mkdir -p "$dosbox_folder"
cp "$recorder" "$dosbox_folder/DOSBox.exe"
emulator_folder="$drive_c/MSX/ソフト表"
mkdir -p "$emulator_folder"
{
  printf 'MZ'
  head -c 62 /dev/zero
} >"$emulator_folder/BRMSX.EXE"
printf 'rom' >"$emulator_folder/GAME.ROM"

# Vorlent.ini as the program writes it, by the program's own writer (write_settings.exe, built
# beside the recorder): the listed folder, brMSX, and the ROM in slot 1 with its mapper; the
# rest as a first start leaves them.
windows_folder='C:\MSX\ソフト表'
writer=$(dirname "$recorder")/write_settings.exe
write_settings() {
  wine "$writer" "$(winepath -w "$1")" "$windows_folder" "$windows_folder\\BRMSX.EXE" \
    "$windows_folder\\GAME.ROM" 9 >"$scratch/writer.log" 2>&1 ||
    fail "write_settings.exe failed: $(cat "$scratch/writer.log")"
  [ "$(wc -l <"$1")" -eq 100 ] || fail "the written Vorlent.ini is not 100 lines"
}

record=$scratch/record.txt
export VORLENT_RECORD_TO VORLENT_RECORD_HOLD
VORLENT_RECORD_TO=$(winepath -w "$record")
# The stand-in runs on, holding its staging folder, until this file is made.
VORLENT_RECORD_HOLD=$(winepath -w "$scratch/hold")

# Waits until the command holds, for at most the seconds given, or until the program ends.
wait_until() {
  local seconds=$1
  shift
  for _ in $(seq 1 $((seconds * 5))); do
    "$@" && return 0
    [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  "$@"
}
recorded() { [ -f "$record" ]; }
ended() { ! kill -0 "$pid" 2>/dev/null; }

wait_for_record() { wait_until 60 recorded; }

case $mode in
  cli)
    write_settings "$emulator_folder/v.ini"
    status=0
    wine "$program" run brmsx --config "$windows_folder\\v.ini" >"$scratch/out" 2>"$scratch/err" ||
      status=$?
    [ "$status" -eq 0 ] ||
      fail "vorlent-cli.exe run brmsx ended with $status: $(iconv -f CP932 -t UTF-8 <"$scratch/err")"
    wait_for_record || fail "DOSBox was not started"
    ;;
  window)
    unzip -q "$program" -d "$scratch"
    folder=$scratch/vorlent
    write_settings "$folder/Vorlent.ini"
    unset WINEPATH
    (cd "$folder" && exec wine "$folder/vorlent.exe") >"$scratch/start.log" 2>&1 &
    pid=$!
    # Wine's windows are X windows named by their captions; the program shows no other window
    # at its start.
    window=""
    for _ in $(seq 1 300); do
      window=$(xdotool search --onlyvisible --name . 2>/dev/null | head -n 1 || true)
      [ -n "$window" ] && break
      kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
      sleep 0.2
    done
    [ -n "$window" ] || fail "the main window did not appear"
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    # Keys that come before the window takes them are lost: they are pressed again until DOSBox
    # starts.
    for _ in $(seq 1 30); do
      xdotool windowfocus --sync "$window" key --clearmodifiers F9
      xdotool windowfocus --sync "$window" key --clearmodifiers F5
      wait_until 2 recorded && break
      ended && fail "the program ended before DOSBox started"
    done
    recorded || fail "F5 did not start DOSBox"
    # The started program took the activation, and without a window manager only a click gives
    # it back: one on the empty part of the file list, as a user would, until Ctrl+Q closes the
    # program.
    xdotool mousemove --window "$window" 600 300 click 1
    [ -z "$screenshot" ] || import -window root "$screenshot"
    for _ in $(seq 1 15); do
      xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q 2>/dev/null || true
      wait_until 2 ended && break
      xdotool mousemove --window "$window" 600 300 click 1 2>/dev/null || true
    done
    if ! ended; then
      xdotool search --onlyvisible --name . getwindowname %@ >&2 || true
      fail "the program did not close on Ctrl+Q"
    fi
    wait "$pid" || true
    pid=""
    ;;
  *) fail "usage: scripts/windows-dosbox-start.sh cli|window PROGRAM RECORDER [SCREENSHOT.png]" ;;
esac

line=$(head -n 1 "$record" | tr -d '\r')
# The 8.3 name Wine gave the Japanese folder and the staging folder's name are not known
# beforehand: they are taken from the command and must name those folders; the rest is compared
# byte for byte.
short=$(sed -n 's/.*"@mount c C:\\MSX\\\([A-Z0-9_~]\{1,8\}\) >nul".*/\1/p' <<<"$line")
[ -n "$short" ] || fail "DOSBox was given no 8.3 folder for C: in: $line"
[ "$(winepath -u "C:\\MSX\\$short")" -ef "$emulator_folder" ] ||
  fail "C:\\MSX\\$short is not the emulator's folder, in: $line"
staging=$(sed -n 's/.*"@mount d \(C:\\users\\[^\\"]*\\AppData\\Local\\Vorlent\\DOSBox\\run-[0-9a-f]*\) >nul".*/\1/p' <<<"$line")
[ -n "$staging" ] || fail "DOSBox was given no staging folder for D: in: $line"
cmp -s "$(winepath -u "$staging\\M1.ROM")" "$emulator_folder/GAME.ROM" ||
  fail "the staging folder $staging holds no M1.ROM with the ROM's bytes"
touch "$scratch/hold"
dosbox='"C:\Program Files\DOSBox-0.74-3\dosbox.exe"'
expected="$dosbox -c \"@mount -u c >nul\" -c \"@mount c C:\\MSX\\$short >nul\" -c \"@mount -u d >nul\" -c \"@mount d $staging >nul\" -c \"@c:\" -c \"@BRMSX.EXE -res 0 -roma 2 D:\\M1.ROM\" -c \"@if errorlevel 1 pause\" -c \"@exit\""
[ "$line" = "$expected" ] || fail "DOSBox was given: $line, not: $expected"
echo "dosbox start ($mode): DOSBox was given: $line"
