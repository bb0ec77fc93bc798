#!/usr/bin/env bash
# In a fresh Wine prefix with code page 932: a recording stand-in for DOSBox installed where
# DOSBox 0.74-3's installer puts it, an MS-DOS BRMSX.EXE and a ROM image in a folder with a
# Japanese name whose code-page bytes hold a "\" ("ソフト表"), and a Vorlent.ini naming them.
# "vorlent-cli.exe run brmsx" must start DOSBox with the emulator's folder as C:, the ROM's as
# D:, both by their 8.3 paths, and brMSX's command line on C:.
# Usage: scripts/windows-dosbox-start.sh PATH/TO/vorlent-cli.exe PATH/TO/record_command_line.exe
# (the recorder writes its command line to the file that VORLENT_RECORD_TO names). The caller
# sets the Japanese locale; the prefix is made in a scratch folder and removed.
set -euo pipefail
cli=$(realpath "$1")
recorder=$(realpath "$2")

fail() {
  echo "dosbox start: $*" >&2
  exit 1
}

scratch=$(mktemp -d)
trap 'timeout 60 wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1 || fail "wineboot -i failed"
timeout 60 wineserver -w || true

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

# Vorlent.ini in code page 932: line 1 the folder, line 5 brMSX, lines 9 and 10 slot 1 and its
# mapper; the rest as a first start leaves them.
windows_folder='C:\MSX\ソフト表'
{
  echo "$windows_folder"
  printf '%s\n' '[x]' '' '[x]' "$windows_folder\\BRMSX.EXE" '[x]' '' '[x]' \
    "$windows_folder\\GAME.ROM" 9 '' -1
  for _ in $(seq 12 32); do echo; done
  printf '%s\n' '[x]' 1 0
  printf '%s\n' 0 100 0 1 1 1 1 0 0 0 2 1 6 10 1 0 2 0 7 0 1 '[x]' 0 0
  printf '%s\n' 0 0 0 0 1 1 0 0 1 0 0 0 0 0 0 0 0 0 45455 0 3 0 0 0 0 5 0 0 0 0 0 0 0 1 0 0 0 \
    0 0 0
} | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$emulator_folder/v.ini"
[ "$(wc -l <"$emulator_folder/v.ini")" -eq 100 ] || fail "the test's Vorlent.ini is not 100 lines"

record=$scratch/record.txt
status=0
VORLENT_RECORD_TO=$(winepath -w "$record") wine "$cli" run brmsx --config "$windows_folder\\v.ini" \
  >"$scratch/out" 2>"$scratch/err" || status=$?
[ "$status" -eq 0 ] || fail "vorlent-cli.exe run brmsx ended with $status: $(iconv -f CP932 -t UTF-8 <"$scratch/err")"
for _ in $(seq 1 300); do
  [ -f "$record" ] && break
  sleep 0.2
done
[ -f "$record" ] || fail "DOSBox was not started"
line=$(head -n 1 "$record" | tr -d '\r')
short='[A-Z0-9_~]{1,8}(\.[A-Z0-9_~]{1,3})?'
expected="^\"C:\\\\Program Files\\\\DOSBox-0\.74-3\\\\dosbox\.exe\" -c \"mount -u c\" -c \"mount c C:\\\\MSX\\\\($short)\" -c \"mount -u d\" -c \"mount d C:\\\\MSX\\\\($short)\" -c \"c:\" -c \"BRMSX\.EXE -res 0 -roma 2 D:\\\\GAME\.ROM\" -c \"exit\"$"
LC_ALL=C grep -Eq "$expected" <<<"$line" || fail "DOSBox was given: $line"
echo "dosbox start: DOSBox was given: $line"
