// The version resource as Windows reads it from the DLL file: the numbers and texts a user
// sees in the file's properties. The DLL is the one beside the program, or the one named in
// NK_MODULE_FILE (the release archive's test points it at the unpacked DLL).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

std::wstring ModuleFile() {
    const char* named = std::getenv("NK_MODULE_FILE");
    const std::string file = named && *named ? named : "QMStaffSetPanel.dll";
    return std::wstring(file.begin(), file.end());
}

std::wstring Widened(const char* text) {
    const std::string narrow = text;
    return std::wstring(narrow.begin(), narrow.end());
}

class ModuleVersion : public ::testing::Test {
protected:
    void SetUp() override {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(ModuleFile().c_str(), &ignored);
        ASSERT_NE(0u, size) << "no version resource, error " << GetLastError();
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(ModuleFile().c_str(), 0, size, block_.data()));
    }

    std::wstring Text(const wchar_t* name) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block_.data(), path.c_str(), &value, &length) || !value)
            return L"(none)";
        return static_cast<const wchar_t*>(value);
    }

    std::vector<unsigned char> block_;
};

TEST_F(ModuleVersion, NumbersAreTheReleaseVersion) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block_.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), length);
    EXPECT_EQ(VS_FFI_SIGNATURE, fixed->dwSignature);
    EXPECT_EQ(static_cast<DWORD>(VFT_DLL), fixed->dwFileType);
    const DWORD major = NK_RELEASE_VERSION_MAJOR, minor = NK_RELEASE_VERSION_MINOR;
    EXPECT_EQ(MAKELONG(minor, major), fixed->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(0, NK_RELEASE_VERSION_PATCH), fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
}

TEST_F(ModuleVersion, TextsNameTheProductAndTheFile) {
    EXPECT_EQ(Widened(NK_RELEASE_VERSION), Text(L"FileVersion"));
    EXPECT_EQ(Widened(NK_RELEASE_VERSION), Text(L"ProductVersion"));
    EXPECT_EQ(L"QM Staff Set Panel", Text(L"FileDescription"));
    EXPECT_EQ(L"QM Staff Set Panel", Text(L"ProductName"));
    EXPECT_EQ(L"QMStaffSetPanel.dll", Text(L"OriginalFilename"));
    EXPECT_EQ(0u, Text(L"LegalCopyright").rfind(L"Copyright (C) ", 0)) << "the copyright line";
}

} // namespace
