#!/bin/sh
# The DLL must be a PE file of the build's architecture (objdump's format name: pei-i386 or
# pei-x86-64) whose export table holds exactly the host's seven entry points, undecorated,
# and nothing else.
#   check-dll-exports.sh OBJDUMP FORMAT DLL
objdump=$1
format=$2
dll=$3
"$objdump" -f "$dll" | grep -q "file format $format\$" || { echo "$dll: not a $format file"; exit 1; }
actual=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
         sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort)
expected=$(printf '%s\n' VarluneExtensionEnumerate VarluneExtensionEnumerate_UTF16 \
  VarluneExtensionGetMenuStatus VarluneExtensionInit VarluneExtensionInvoke \
  VarluneExtensionTerminate VarluneExtensionVersion | sort)
if [ "$actual" != "$expected" ]; then
  echo "export table differs:"; echo "$actual"; exit 1
fi
echo "exports: $(echo "$actual" | tr '\n' ' ')"
