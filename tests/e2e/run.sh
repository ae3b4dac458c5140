#!/usr/bin/env bash
# End-to-end tests of ntver.exe under Wine: registry fixtures made with Wine's own reg in
# throwaway 64- and 32-bit prefixes; stdout, stderr and exit status compared byte for byte.
# Usage: run.sh NTVER.EXE SPAWN.EXE SETRAW.EXE
set -euo pipefail

ntver_exe=$1 spawn_exe=$2 setraw_exe=$3
key='HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion'

# ANSI code page 1252, OEM code page 437; no Mono or Gecko installers in a fresh prefix.
export LC_ALL=C.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
work=$(mktemp -d)
prefixes=()
cleanup() {
  local prefix
  for prefix in "${prefixes[@]}"; do
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
  done
  rm -rf "$work"
}
trap cleanup EXIT

# new_prefix ARCH: makes a throwaway prefix of ARCH (win64 or win32) the current one, with the
# programs under test in C:\tools.
new_prefix() {
  WINEPREFIX=$(mktemp -d)
  export WINEPREFIX WINEARCH=$1
  prefixes+=("$WINEPREFIX")
  wineserver -p  # one server for the whole run
  wineboot -i >/dev/null 2>&1
  mkdir -p "$WINEPREFIX/drive_c/tools"
  cp "$ntver_exe" "$spawn_exe" "$setraw_exe" "$WINEPREFIX/drive_c/tools/"
}

# The code address in an error report must lie in ntver.exe's code.
read -r text_start text_size < <(i686-w64-mingw32-objdump -h "$ntver_exe" |
                                 awk '$2 == ".text" { print $4, $3 }')

failures=0
passes=0

# Runs a Wine command, once more if Wine itself fails, and leaves its stdout, stderr and exit
# status in $work/out, $work/err and $status.
run_wine() {
  local attempt
  for attempt in 1 2; do
    status=0
    wine "$@" >"$work/out" 2>"$work/err" || status=$?
    grep -q 'wine client error' "$work/err" || return 0
  done
}

# prepare COMMAND...: runs a Wine command that sets up a case; the run stops if it fails.
prepare() {
  run_wine "$@"
  if [[ $status != 0 ]]; then
    echo "FAIL setting up: $*"
    cat "$work/err"
    exit 1
  fi
}

# expect NAME STDOUT STDERR STATUS: compares the last run with what is expected. In STDERR,
# @ADDR@ stands for the eight hex digits of a code address in ntver.exe.
expect() {
  local name=$1 want_out=$2 want_err=$3 want_status=$4 problems=""
  if [[ $want_err == *@ADDR@* ]]; then
    local address
    address=$(LC_ALL=C grep -ao 'bei [0-9A-F]\{8\}\.' "$work/err" | head -n1 | cut -c5-12 || true)
    if [[ -z $address ]]; then
      problems+=" no-address"
    elif (( 16#$address < 16#$text_start || 16#$address >= 16#$text_start + 16#$text_size )); then
      problems+=" address-outside-code($address)"
    fi
    want_err=${want_err//@ADDR@/$address}
  fi
  printf '%s' "$want_out" >"$work/want_out"
  printf '%s' "$want_err" >"$work/want_err"
  cmp -s "$work/out" "$work/want_out" || problems+=" stdout"
  cmp -s "$work/err" "$work/want_err" || problems+=" stderr"
  [[ $status == "$want_status" ]] || problems+=" status($status)"
  if [[ -z $problems ]]; then
    passes=$((passes + 1))
    echo "ok   $name"
  else
    failures=$((failures + 1))
    echo "FAIL $name:$problems"
    for stream in out err; do
      echo "  want $stream:"; od -c "$work/want_$stream" | sed 's/^/    /'
      echo "  got $stream:";  od -c "$work/$stream" | sed 's/^/    /'
    done
  fi
}

# tool NAME STDOUT STDERR STATUS ARGS...: runs ntver.exe with ARGS as Wine quotes them.
tool() {
  local name=$1 out=$2 err=$3 want_status=$4
  shift 4
  run_wine 'C:\tools\ntver.exe' "$@"
  expect "$name" "$out" "$err" "$want_status"
}

# exact NAME STDOUT COMMAND-LINE: runs ntver.exe with exactly COMMAND-LINE through CreateProcessA.
exact() {
  local hex
  hex=$(printf '%s' "$3" | od -An -tx1 | tr -d ' \n')
  run_wine 'C:\tools\spawn.exe' 'C:\tools\ntver.exe' "$hex"
  expect "$1" "$2" "" 0
}

# fixture LINES...: applies .reg lines to the version key in the system's own view. Here a
# plain `wine reg` or `wine regedit` is the 32-bit program, which sees Wow6432Node: every
# registry command names its view.
fixture() {
  {
    printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion]\r\n'
    printf '%s\r\n' "$@"
  } >"$WINEPREFIX/drive_c/fixture.reg"
  prepare reg import 'C:\fixture.reg' /reg:64
}

# What `reg query` says a value holds in the system's own view, or nothing.
reg_value() {
  run_wine reg query "$key" /v "$1" $view
  tr -d '\r' <"$work/out" | sed -n "s/^    $1    REG_SZ    //p"
}

# Sets $witnessed to the default report as `reg query` sees the values.
witness() {
  printf -v witnessed '%s\r\n' \
    "$(reg_value ProductName)" "$(reg_value CurrentVersion)" "$(reg_value CSDVersion)"
}

# The access mask, in hexadecimal, with which ntver.exe opens the version key, from Wine's trace.
access_mask() {
  WINEDEBUG=+reg run_wine 'C:\tools\ntver.exe' /v
  tr -d '\r' <"$work/err" |
    sed -n 's/.*NtCreateKey ([^,]*,L"SOFTWARE\\\\Microsoft\\\\Windows NT\\\\CurrentVersion",[^,]*,0,\([0-9a-f]*\),.*/\1/p' |
    head -n1
}

# same NAME GOT WANT
same() {
  if [[ $2 == "$3" ]]; then
    passes=$((passes + 1))
    echo "ok   $1"
  else
    failures=$((failures + 1))
    echo "FAIL $1: got '$2', want '$3'"
  fi
}

help=$'Hilfe\r\n\r\n/V    Versionsnummer\r\n/OS   ProductName\r\n/SP   Service Pack \r\n\r\nntver - Windows-Version anzeigen  version 1.00 21.04.2008\r\n'
bad_type=$'Exception ERegistryException in Modul ntver.exe bei @ADDR@.\r\nUng\x81ltiger Datentyp f\x81r \'CurrentVersion\'.\r\n\r\n'

echo "# the exe itself"
same "imports only DLLs every Windows has" \
  "$(i686-w64-mingw32-objdump -p "$ntver_exe" | sed -n 's/^\tDLL Name: //p' | sort | tr '\n' ' ')" \
  "ADVAPI32.dll KERNEL32.dll msvcrt.dll "
same "Windows XP accepts its subsystem version" \
  "$(i686-w64-mingw32-objdump -p "$ntver_exe" | awk '$1 == "MajorSubsystemVersion" { print ($2 <= 5) }')" 1

echo "# 64-bit Windows, as Wine made it, against reg query"
new_prefix win64
view=/reg:64
witness
[[ $witnessed == $'\r\n\r\n\r\n' ]] && { echo "FAIL reg query found no values"; exit 1; }
tool "default report equals reg query" "$witnessed" "" 0

echo "# Windows XP SP3"
fixture '"ProductName"="Microsoft Windows XP"' '"CurrentVersion"="5.1"' '"CSDVersion"="Service Pack 3"'
xp=$'Microsoft Windows XP\r\n5.1\r\nService Pack 3\r\n'
tool "no arguments" "$xp" "" 0
tool "/V" $'5.1\r\n' "" 0 /V
tool "/v" $'5.1\r\n' "" 0 /v
tool "/OS" $'Microsoft Windows XP\r\n' "" 0 /OS
tool "/Os" $'Microsoft Windows XP\r\n' "" 0 /Os
tool "/sp" $'Service Pack 3\r\n' "" 0 /sp
tool "/v with further arguments" $'5.1\r\n' "" 0 /v /os extra
for argument in -V V /VERSION /S /V. /?; do
  tool "help for $argument" "$help" "" 0 "$argument"
done
witness
tool "default report equals reg query" "$witnessed" "" 0

echo "# exact command lines"
exact "plain" $'5.1\r\n' 'ntver.exe /v'
exact "quoted program path" $'5.1\r\n' '"C:\tools\ntver.exe" /V'
exact "quote pair skipped" $'Service Pack 3\r\n' 'ntver.exe "" /sp'
exact "only a quote pair" "$xp" 'ntver.exe ""'
exact "quoted pieces joined" $'Service Pack 3\r\n' 'ntver.exe "/"s"p" x'
exact "lone trailing quote" $'5.1\r\n' 'ntver.exe "/v'
exact "tab separates" $'Microsoft Windows XP\r\n' $'ntver.exe\t/oS'
exact "control byte separates" $'5.1\r\n' $'ntver.exe /v\x01/os'
exact "quoted blank is an argument" "$help" 'ntver.exe " " /v'
exact "no upper-casing beyond ASCII" "$help" $'ntver.exe /\xf3s'

echo "# values as stored"
fixture $'"ProductName"="Microsoft Windows XP Professionell \xe4"'
tool "ANSI bytes unconverted" $'Microsoft Windows XP Professionell \xe4\r\n' "" 0 /os
fixture '"CurrentVersion"=hex(1):36,2e,32,00,6a,75,6e,6b,00'
tool "text ends at a zero byte" $'6.2\r\n' "" 0 /v
prepare reg add "$key" /v CurrentVersion /t REG_EXPAND_SZ /d '%SystemRoot%\ver' /f /reg:64
tool "expandable string unexpanded" $'%SystemRoot%\\ver\r\n' "" 0 /v
prepare 'C:\tools\setraw.exe' CurrentVersion 6.3
tool "string without terminator" $'6.3\r\n' "" 0 /v
fixture '"CurrentVersion"="5.1"' '"CSDVersion"=-'
tool "missing CSDVersion, default report" $'Microsoft Windows XP Professionell \xe4\r\n5.1\r\n\r\n' "" 0
tool "missing CSDVersion, /sp" $'\r\n' "" 0 /sp
fixture '"CSDVersion"=""'
tool "empty CSDVersion" $'\r\n' "" 0 /SP
fixture '"ProductName"=-' '"CurrentVersion"=-' '"CSDVersion"=-'
tool "all three values missing" $'\r\n\r\n\r\n' "" 0

echo "# values that are not text"
fixture '"ProductName"="Microsoft Windows XP"' '"CurrentVersion"=dword:00000006'
tool "dword, default report" $'Microsoft Windows XP\r\n' "$bad_type" 1
tool "dword, /v" "" "$bad_type" 1 /v
tool "dword, /os" $'Microsoft Windows XP\r\n' "" 0 /os
tool "dword, help" "$help" "" 0 /x
fixture '"CurrentVersion"=hex:36,2e,31'
tool "binary" "" "$bad_type" 1 /V
fixture '"CurrentVersion"=hex(7):36,2e,31,00,00'
tool "multi-string" "" "$bad_type" 1 /V

echo "# a 32-bit process on 64-bit Windows reads the system's own view"
prepare reg add "$key" /v ProductName /t REG_SZ /d 'Windows Native' /f /reg:64
prepare reg add "$key" /v ProductName /t REG_SZ /d 'Windows Wow6432Node' /f /reg:32
view=/reg:32
same "Wow6432Node holds another value" "$(reg_value ProductName)" 'Windows Wow6432Node'
view=/reg:64
tool "native view, not Wow6432Node" $'Windows Native\r\n' "" 0 /os
same "access mask under WOW64" "$(access_mask)" 20119

echo "# 32-bit Windows"
new_prefix win32
view=
witness
tool "default report equals reg query" "$witnessed" "" 0
same "access mask is KEY_READ exactly" "$(access_mask)" 20019

echo "# $passes passed, $failures failed"
((failures == 0))
