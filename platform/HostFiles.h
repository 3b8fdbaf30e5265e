// The plug-in's door to files named by the host. The host names its folders in its own text:
// 8-bit text in the host's code page before UTF-16 hosts, UTF-16 from them on, and always in
// Windows form, with "\" between folders. Each call comes in both forms, and takes the path
// the way the host gave it, so that no character of it is lost on the way to the file system:
//
// - On Windows an 8-bit path goes to the C runtime's 8-bit calls, which read it in the ANSI
//   code page the host wrote it in; a UTF-16 path goes to the wide calls (_wfopen,
//   MoveFileExW) unchanged, so a folder whose name holds characters above U+00FF is found.
// - Elsewhere every "\" becomes "/" and the name is turned into UTF-8 before the C library
//   sees it: an 8-bit path byte by byte as Latin-1, a UTF-16 path by its code points (an
//   unpaired surrogate becomes U+FFFD). A name with a "\" of its own cannot be reached.
//
// HostFilesWindows.cpp and HostFilesPosix.cpp each implement the calls that name a file for
// their system; HostFiles.cpp holds what both share. Paths are zero-terminated and owned by
// the caller; a null path fails. The calls keep no state and run on the host's
// user-interface thread like the rest of the plug-in. Nothing is thrown.
#pragma once

#include <cstddef>
#include <cstdio>

// fopen with a C mode ("r", "w+" ...); null when the file cannot be opened. The caller
// closes the file with fclose.
FILE* OpenHostFile(const char* path, const char* mode);
FILE* OpenHostFile(const char16_t* path, const char* mode);

// Writes count bytes to a file opened above; false when not all of them were written. The C
// library buffers what it writes, so a full disk may show only when the file is closed:
// fclose's result counts as much as this one's.
bool WriteHostFile(FILE* file, const void* bytes, size_t count);

// Puts the file replacement in the place of target in one step: the target is either the
// old file or the new one, never a mix of the two, nor missing while it existed. Both must be
// in the same folder. Fails, changing nothing, when target is read-only (on every platform,
// whoever runs the plug-in) or a folder.
bool ReplaceHostFile(const char* replacement, const char* target);
bool ReplaceHostFile(const char16_t* replacement, const char16_t* target);

// Deletes a file; false when there was none or it could not be deleted.
bool RemoveHostFile(const char* path);
bool RemoveHostFile(const char16_t* path);

// True when something (a file or a folder) exists under the path.
bool HostFileExists(const char* path);
bool HostFileExists(const char16_t* path);
