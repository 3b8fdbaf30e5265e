// The folder the simulated host keeps preference files in, and the text it names it by.
//
// The host names folders in Windows form whatever it runs on: "\" between folders, 8-bit
// text in the host's code page before UTF-16 hosts, UTF-16 from them on. A native folder
// such as /tmp/prefs is therefore named "\tmp\prefs", and the plug-in's file door turns the
// "\" back; on Windows the folder keeps its own name (C:\users\...\Temp\...).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "simhost/documents/RecordStore.h"

// A new, empty folder in the system's temporary folder; an empty path when none could be
// made.
std::filesystem::path MakeTemporaryFolder();

// What the host writes into a plug-in's path buffer for the folder: the text and its
// terminator, at most maxBytes bytes in all. Nothing when the folder's name does not fit,
// or holds a character that an 8-bit host's code page lacks.
std::optional<Bytes> HostFolderText(uint32_t hostVersion, const std::filesystem::path& folder,
                                    size_t maxBytes);

// Text in the host's 8-bit code page, or nothing when a character has no place in it: the
// ANSI code page on Windows, Latin-1 elsewhere.
std::optional<std::string> InHostCodePage(const std::u16string& text);
