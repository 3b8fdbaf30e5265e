// The plug-in's two preference files in the host's folder, read and written one key at a
// time. Each line "key=value" is a pair: split at the first "=", key and value trimmed of
// blanks; a line without "=", or starting with it, is no pair. Keys match whatever the case
// of A to Z. The module writes "key=value" and a line feed per pair, one byte per unit.
#pragma once

#include "framework/core/NKStrings.h"
#include "framework/settings/NKSettingsPair.h"
#include "framework/settings/NKSettingsPairs.h"
#include "framework/settings/NKTextFileStream.h"

// Read and written by the module (the panel's position).
constexpr const char* kPreferencesFileName = "qmpluginprefs.txt";
// Only read by the module; the user writes it.
constexpr const char* kOptionsFileName = "qmpluginoptions.txt";

// A new, closed stream (the caller deletes it) on the preferences file (true) or the options
// file (false) in the folder the host names: path kind 7 on hosts before 0x10000000, 15
// from it on. Never null but when memory ran out. When the host names no folder, the stream
// opens nothing.
NKTextFileStream* CreatePreferenceStream(bool preferences);

// One pair for each line that holds one, in line order, as a new collection (the caller
// deletes it); null for null lines or when memory ran out.
NKSettingsPairs* ParsePairs(const NKStrings* lines);

// A new pair (the caller deletes it) copied from the first pair with this key in the
// preferences file (true) or the options file (false); null when the file cannot be read or
// holds no such key.
NKSettingsPair* LoadSetting(const NKString* key, bool preferences);

// Stores the pair's value under its key in the preferences file, keeping every other pair:
// the first pair with the key gets the value and keeps its place and its letters, and a new
// key goes last. The whole file is written anew (lines that are no pairs are not kept) next
// to the old one, under the preferences file's name with ".new" appended, which then takes
// the old one's place in one step. False, with the file as it was and nothing left beside
// it, when the file exists but cannot be read to its end, or the new one cannot be written
// or put in its place (a read-only file, a missing folder, a full disk).
bool SaveSetting(const NKSettingsPair* pair);
