// A file in the folder the host keeps its preference files in.
#pragma once

#include <cstdint>
#include <cstdio>

#include "framework/core/NKString.h"
#include "framework/settings/NKBaseStream.h"
#include "shell/HostBridge.h"

// Abstract: its subclasses say how the file is opened. The stream owns the open file and
// closes it at the latest when it is destroyed.
class NKFileStream : public __NKBaseStream {
public:
    // folder points to the kHostPathBufferSize bytes the host filled with its folder, 8-bit
    // or UTF-16 text by the host's version (NX_GetVarlunePath); the stream keeps a copy,
    // cut at the buffer's end should the host have left no terminator there.
    NKFileStream(const unsigned char* folder, const char* fileName);
    // Another file in the same folder as sibling.
    NKFileStream(const NKFileStream& sibling, const char* fileName);
    ~NKFileStream() override;
    NKFileStream(const NKFileStream&) = delete;
    NKFileStream& operator=(const NKFileStream&) = delete;

    // The full path in the host's form: the folder, "\" and the file name. An override folder
    // that ends in "\" takes the name without another one; the host's folder is taken as it
    // comes, so one ending in "\" gives two in a row. Always succeeds.
    void BuildPath(NKString* target) const;

    // Opens the file with a C mode through the host file door, closing a file opened before.
    // False, with the stream closed, when it cannot be opened or the host named no folder.
    bool Open(const char* mode);
    // False when the file reported an error as it was closed (its last writes may be lost).
    // A closed stream closes without error.
    bool Close();

    // Whether anything exists under the path, file or folder.
    bool FileExists() const;
    // Puts the closed file of replacement in this stream's file's place in one step (see
    // ReplaceHostFile); false, changing nothing, when that cannot be done.
    bool ReplaceFileWith(const NKFileStream& replacement) const;
    // Deletes the file, which must be closed; false when there was none to delete.
    bool RemoveFile() const;

    // The folder replacing the host's in the path; empty unless someone sets it.
    NKString folderOverride;
    NKString fileName;

protected:
    FILE* file = nullptr;

private:
    // Builds the path as BuildPath does; false when it names no folder and must not be used.
    bool BuildPathInFolder(NKString* target) const;
    // 8-bit or UTF-16 text by the host's version, as the host wrote it.
    unsigned char hostFolder[kHostPathBufferSize] = {};
};
