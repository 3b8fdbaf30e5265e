// The root of every framework class.
#pragma once

#include <cstdint>

class __NKBase {
public:
    // Free for whoever owns the object; the framework never interprets either slot.
    int32_t UserData = 0;
    void* UserPointer = nullptr;

    __NKBase() = default;
    __NKBase(const __NKBase&) = default;
    __NKBase& operator=(const __NKBase&) = default;

    // One constant per class. A class that does not override it reports its base's name.
    virtual const char* ClassName() const;

    // Virtual so that a collection can delete any element through a root pointer.
    virtual ~__NKBase();

    // False for null; otherwise true when both objects are of the same class by name.
    // Subclasses with data of their own extend the comparison to that data.
    virtual bool IsIdentical(const __NKBase* other) const;
};
