#include "framework/settings/NKFileStream.h"

#include <cstring>

#include "platform/HostFiles.h"
#include "shell/HostVersion.h"

NKFileStream::NKFileStream(const unsigned char* folder, const char* name) : fileName(name) {
    if (folder != nullptr) {
        std::memcpy(hostFolder, folder, kHostPathBufferSize);
    }
    // The last two bytes are the terminator of the longest text of either width.
    hostFolder[kHostPathBufferSize - 2] = 0;
    hostFolder[kHostPathBufferSize - 1] = 0;
}

NKFileStream::NKFileStream(const NKFileStream& sibling, const char* name)
    : NKFileStream(sibling.hostFolder, name) {
    folderOverride.Assign(&sibling.folderOverride);
}

NKFileStream::~NKFileStream() {
    Close();
}

void NKFileStream::BuildPath(NKString* target) const {
    if (target == nullptr) {
        return;
    }
    if (folderOverride.Length() > 0) {
        target->Assign(&folderOverride);
        if ((folderOverride.CharAt(folderOverride.Length() - 1) & 0xFF) == '\\') {
            target->Append(&fileName);
            return;
        }
    } else if (HostUsesUtf16()) {
        char16_t units[kHostPathBufferSize / 2];
        std::memcpy(units, hostFolder, kHostPathBufferSize);
        target->AssignWide(units);
    } else {
        target->AssignNarrow(reinterpret_cast<const char*>(hostFolder));
    }
    target->AppendChar(u'\\');
    target->Append(&fileName);
}

// A host that could not name its folder leaves the buffer empty: the path would then be
// "\" and the file name, the root of the current drive, which is nobody's preference folder.
bool NKFileStream::HasFolder() const {
    if (folderOverride.Length() > 0) {
        return true;
    }
    return HostUsesUtf16() ? (hostFolder[0] | hostFolder[1]) != 0 : hostFolder[0] != 0;
}

bool NKFileStream::Open(const char* mode) {
    Close();
    if (!HasFolder()) {
        return false;
    }
    NKString path;
    BuildPath(&path);
    file = HostUsesUtf16() ? OpenHostFile(path.WideText(), mode)
                           : OpenHostFile(path.NarrowText(), mode);
    return file != nullptr;
}

// Every door call gets the path in the host's own width: an 8-bit host's as its bytes, in
// the host's code page, a UTF-16 host's as its units.
bool NKFileStream::FileExists() const {
    NKString path;
    BuildPath(&path);
    return HasFolder() &&
           (HostUsesUtf16() ? HostFileExists(path.WideText()) : HostFileExists(path.NarrowText()));
}

bool NKFileStream::ReplaceFileWith(const NKFileStream& replacement) const {
    if (!HasFolder() || !replacement.HasFolder()) {
        return false;
    }
    NKString from, to;
    replacement.BuildPath(&from);
    BuildPath(&to);
    if (HostUsesUtf16()) {
        return ReplaceHostFile(from.WideText(), to.WideText());
    }
    // Each narrow view lives in its own string, so both stay valid together.
    return ReplaceHostFile(from.NarrowText(), to.NarrowText());
}

bool NKFileStream::RemoveFile() const {
    NKString path;
    BuildPath(&path);
    return HasFolder() &&
           (HostUsesUtf16() ? RemoveHostFile(path.WideText()) : RemoveHostFile(path.NarrowText()));
}

bool NKFileStream::Close() {
    if (file == nullptr) {
        return true;
    }
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    return closed;
}
