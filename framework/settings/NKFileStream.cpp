#include "framework/settings/NKFileStream.h"

#include <cstring>

#include "platform/HostFiles.h"
#include "shell/HostVersion.h"

namespace {

// Calls door with each path in the host's own width: an 8-bit host's as its bytes, in the
// host's code page, a UTF-16 host's as its units. Each narrow view lives in its own string,
// so that several stay valid together.
template <typename Door, typename... Paths> auto InHostWidth(Door door, const Paths&... paths) {
    return HostUsesUtf16() ? door(paths.WideText()...) : door(paths.NarrowText()...);
}

} // namespace

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
    if (target != nullptr) {
        BuildPathInFolder(target);
    }
}

// A host that could not name its folder leaves the buffer empty: the path would then be
// "\" and the file name, the root of the current drive, which is nobody's preference folder.
bool NKFileStream::BuildPathInFolder(NKString* target) const {
    if (folderOverride.Length() > 0) {
        target->Assign(&folderOverride);
        if (folderOverride.CharAt(folderOverride.Length() - 1) == u'\\') {
            target->Append(&fileName);
            return true;
        }
    } else if (HostUsesUtf16()) {
        char16_t units[kHostPathBufferSize / 2];
        std::memcpy(units, hostFolder, kHostPathBufferSize);
        target->AssignWide(units);
    } else {
        target->AssignNarrow(reinterpret_cast<const char*>(hostFolder));
    }
    const bool inFolder = target->Length() > 0;
    target->AppendChar(u'\\');
    target->Append(&fileName);
    return inFolder;
}

bool NKFileStream::Open(const char* mode) {
    Close();
    NKString path;
    if (!BuildPathInFolder(&path)) {
        return false;
    }
    file = InHostWidth([mode](auto text) { return OpenHostFile(text, mode); }, path);
    return file != nullptr;
}

bool NKFileStream::FileExists() const {
    NKString path;
    return BuildPathInFolder(&path) &&
           InHostWidth([](auto text) { return HostFileExists(text); }, path);
}

bool NKFileStream::ReplaceFileWith(const NKFileStream& replacement) const {
    NKString from, to;
    return replacement.BuildPathInFolder(&from) && BuildPathInFolder(&to) &&
           InHostWidth([](auto fromText, auto toText) { return ReplaceHostFile(fromText, toText); },
                       from, to);
}

bool NKFileStream::RemoveFile() const {
    NKString path;
    return BuildPathInFolder(&path) &&
           InHostWidth([](auto text) { return RemoveHostFile(text); }, path);
}

bool NKFileStream::Close() {
    if (file == nullptr) {
        return true;
    }
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    return closed;
}
