// A text file of lines: read line by line, written as key=value lines.
#pragma once

#include "framework/core/NKStrings.h"
#include "framework/settings/NKFileStream.h"

class NKSettingsPair;
class NKSettingsPairs;

// Lines end in LF, CR LF or a lone CR, on every platform. Written in text mode, so on
// Windows each LF goes to disk as CR LF; elsewhere as it is.
class NKTextFileStream : public NKFileStream {
public:
    using NKFileStream::NKFileStream;

    // The file must exist. It is read as bytes ("rb"), and ReadLine takes CR LF as one line
    // break, just as text mode would deliver it: the Windows runtime's text mode also ends a
    // file at its first Ctrl-Z byte, and the pairs after it would be lost on the next save.
    bool OpenRead() override;
    // "w+": the file is created, or emptied, before anything is written.
    bool OpenWrite() override;

    // The next line as a new string (the caller deletes it), or null at the end of the file
    // and on a closed stream. A line ends at LF, CR LF or CR, which are consumed and not
    // kept; the last line needs no line break. Each byte becomes the unit of its value, zero
    // bytes included, and a line may be as long as memory allows.
    virtual NKString* ReadLine();
    // Every remaining line, with CR and LF trimmed from both ends, as a new collection (the
    // caller deletes it); empty for an empty file, null on a closed stream.
    NKStrings* ReadAllLines();
    // True once reading stopped before the end of the file: the file reported an error, or
    // a line or the collection could not be held in memory. What was read is then not all
    // there is, and must not be written back in the file's place.
    bool ReadFailed() const { return readFailed; }

    // Writes key, "=", value and a line feed for the pair, or for each pair in order: the
    // narrow view of every unit (its byte, or "?" above 0xFF), zero units included. False on a closed stream,
    // for a null pair or collection, and when not every byte could be written.
    bool WritePair(const NKSettingsPair* pair);
    bool WritePairs(const NKSettingsPairs* pairs);

private:
    // getc that notes a read error.
    int NextByte();
    bool WriteUnits(const NKString& text);

    bool readFailed = false;
};
