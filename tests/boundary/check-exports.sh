#!/usr/bin/env bash
# Checks the export table of the built product library: exactly the exports
# of the list ("ordinal name" per line, written by the build from the
# library's export list), with their ordinals and the module name on
# Windows, the PE format of the flavour (PE32 for win32, PE32+ for win64),
# and imports from Windows system DLLs only.
#   check-exports.sh win32|win64 <objdump> RkDb2Rova.dll exports.txt
#   check-exports.sh native  <nm>      RkDb2Rova.so  exports.txt
set -euo pipefail
flavour=$1 tool=$2 file=$3 list=$4
expected=$(sort -n "$list")
count=$(wc -l <<<"$expected")
[ "$count" -ge 1 ] || { echo "FAIL: $list lists no exports" >&2; exit 1; }
fail() { echo "FAIL: $*" >&2; exit 1; }
# The first eight exports and their ordinals are a contract hosts link
# against: whatever the list becomes, they stay.
original="1 CRkDatabaseListGetError
2 CRkDatabaseListNew
3 CRkDatabaseListNext
4 CRkDatabaseListPopulate
5 CatalogDatabase
6 GetDatabaseDetails
7 RkConnect
8 UncatalogDatabase"
[ "$(head -8 <<<"$expected")" = "$original" ] || fail "ordinals 1-8 are not the original eight exports"

if [ "$flavour" = win32 ] || [ "$flavour" = win64 ]; then
  dump=$("$tool" -p "$file")
  magic=$(sed -n 's/^Magic[[:space:]]*\([0-9a-f]*\).*/\1/p' <<<"$dump")
  case "$flavour:$magic" in
    win32:010b|win64:020b) ;;
    *) fail "optional header magic is '$magic', not the $flavour format" ;;
  esac
  # Export address table rows "[   0] +base[   1] 1550 Export RVA" give the
  # ordinals; the name table rows "[   0] Name" follow in the same order.
  ordinals=$(sed -n '/^Export Address Table -- Ordinal Base/,/^$/p' <<<"$dump" | sed -n 's/.*+base\[ *\([0-9]*\)\].*/\1/p')
  names=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | sed -n 's/^\s*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p')
  actual=$(while read -r index name; do
             echo "$(sed -n "$((index + 1))p" <<<"$ordinals") $name"
           done <<<"$names" | sort -n)
  [ "$actual" = "$expected" ] || fail "exports differ:"$'\n'"$actual"
  [ "$(wc -l <<<"$ordinals")" -eq "$count" ] || fail "export address table has $(wc -l <<<"$ordinals") entries"
  module=$(sed -n 's/^Name[[:space:]]*[0-9a-f]* \(.*\)$/\1/p' <<<"$dump")
  [ "$module" = "RkDb2Rova.dll" ] || fail "module name is '$module'"
  imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | sort -u)
  for dll in $imports; do
    case "$dll" in
      kernel32.dll|msvcrt.dll|advapi32.dll|user32.dll|ntdll.dll) ;;
      *) fail "imports $dll, not a Windows system DLL" ;;
    esac
  done
  grep -qx 'kernel32.dll' <<<"$imports" || fail "no kernel32.dll import: not a Windows DLL?"
else
  actual=$("$tool" -D --defined-only "$file" | awk '$2 ~ /^[TtWi]$/ {print $3}' | sort)
  wanted=$(cut -d' ' -f2 <<<"$expected" | sort)
  [ "$actual" = "$wanted" ] || fail "exported functions differ:"$'\n'"$actual"
fi
echo "export table of $(basename "$file") is as expected"
