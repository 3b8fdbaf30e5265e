#!/bin/sh
# The DLL must be a 32-bit i386 PE file whose export table holds exactly the host's seven
# entry points, undecorated, and nothing else.
objdump=$1
dll=$2
"$objdump" -f "$dll" | grep -q 'file format pei-i386' || { echo "$dll: not a PE32 i386 file"; exit 1; }
actual=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
         sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort)
expected=$(printf '%s\n' VarluneExtensionEnumerate VarluneExtensionEnumerate_UTF16 \
  VarluneExtensionGetMenuStatus VarluneExtensionInit VarluneExtensionInvoke \
  VarluneExtensionTerminate VarluneExtensionVersion | sort)
if [ "$actual" != "$expected" ]; then
  echo "export table differs:"; echo "$actual"; exit 1
fi
echo "exports: $(echo "$actual" | tr '\n' ' ')"
