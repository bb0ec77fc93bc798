#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the Windows program under Wine: a Wine prefix set up as a
# Japanese Windows (code page 932, a Japanese font and Tahoma in its Fonts folder), and the
# environment that runs Qt programs in it on a virtual display.
#
#   wine_prefix FOLDER    makes FOLDER a ready Wine prefix (once) and exports WINEPREFIX
#   wine_qt_env           exports what Qt needs under Wine (WINEQT_ variables, see below)
#   wine_path DIR...      exports WINEPATH so that Wine finds DLLs in those Linux folders
#   wine_on_display CMD   runs CMD on a virtual display of its own, with the prefix's Wine
#                         started afresh on it and ended after it

wine_session_packages=(wine wine64 locales fonts-ipafont-gothic fonts-wine xvfb xauth xdotool
  imagemagick zip unzip)

wine_install_missing() {
  local missing=() package
  for package in "${wine_session_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo -n)
  echo "installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# Wine takes its system code page from the locale: a Japanese one gives code page 932. It is
# compiled into the given folder when the system has none.
wine_japanese_locale() {
  local folder=$1
  if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    mkdir -p "$folder"
    [ -d "$folder/ja_JP.UTF-8" ] || localedef -i ja_JP -f UTF-8 "$folder/ja_JP.UTF-8" >/dev/null 2>&1
    export LOCPATH=$folder
  fi
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 2>/dev/null
}

wine_prefix() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || { echo "wineboot -i failed in $WINEPREFIX" >&2; return 1; }
    timeout 60 wineserver -w || true
  fi
  # Latin text falls back to a serif face without Tahoma; Japanese is drawn with IPA Gothic.
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  mkdir -p "$fonts"
  local font
  for font in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf \
    /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf \
    /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf; do
    [ -e "$fonts/$(basename "$font")" ] || ln -s "$font" "$fonts/"
  done
  if ! grep -q 'IPAGothic' "$WINEPREFIX/system.reg"; then
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
    wine reg add "$key" /v 'IPAGothic (TrueType)' /d ipag.ttf /f >/dev/null 2>&1
    wine reg add "$key" /v 'IPAPGothic (TrueType)' /d ipagp.ttf /f >/dev/null 2>&1
    timeout 60 wineserver -w || true
  fi
  # A Japanese Wine draws menus and message boxes in "MS UI Gothic", a face it does not have:
  # IPA P Gothic stands in for it, as the face itself would on a Japanese Windows, instead of a
  # serif fallback for the Latin letters.
  if ! grep -q '"MS UI Gothic"="IPAPGothic"' "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f \
      >/dev/null 2>&1
    timeout 60 wineserver -w || true
  fi
}

# Wine passes no variable whose name starts with QT_ to the program, but passes WINEQT_X to it
# as QT_X. Qt Test writes to the debugger unless told to write to the standard error.
wine_qt_env() {
  export WINEQT_QPA_PLATFORM=windows WINEQT_FORCE_STDERR_LOGGING=1
  unset QT_QPA_PLATFORM
}

wine_path() {
  local joined="" dir
  for dir in "$@"; do
    joined+="${joined:+;}Z:${dir//\//\\}"
  done
  export WINEPATH=$joined
}

# Wine's desktop process keeps the display it was started on: a prefix whose server outlived an
# earlier display would create no window on a new one.
wine_on_display() {
  wineserver -k 2>/dev/null || true
  timeout 60 wineserver -w 2>/dev/null || true
  local status=0
  # Scripts that run two sessions side by side give each its own first display number.
  xvfb-run -a -n "${wine_display_from:-99}" -s "-screen 0 1280x1024x24" "$@" || status=$?
  wineserver -k 2>/dev/null || true
  timeout 60 wineserver -w 2>/dev/null || true
  return "$status"
}
