// The root of the framework's streams: something that is opened for reading or for writing.
#pragma once

#include "framework/core/NKBase.h"

class __NKBaseStream : public __NKBase {
public:
    // Each false when the stream could not be opened; the stream is then closed.
    virtual bool OpenRead() = 0;
    virtual bool OpenWrite() = 0;
};
