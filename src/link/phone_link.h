#pragma once

#include "link/gbp_entry_points.h"

#include <string>

// The binding of the phone link library: its handle and its six entry points. Group and slot
// travel as unsigned bytes; every result is a signed 32-bit integer, negative on failure.
class PhoneLink {
public:
    PhoneLink() = default;
    ~PhoneLink();
    PhoneLink(const PhoneLink&) = delete;
    PhoneLink& operator=(const PhoneLink&) = delete;

    // Loads the library "gbp" (libgbp.so, gbp.dll, libgbp.dylib): first from programDir, then by
    // the ordinary library search. Succeeds only when InitGBPMode, EndGBPMode and ReadNVMFile are
    // found; the other three may be missing.
    bool bindLibrary(const std::string& programDir);

    // Binds entry points that live in this process (the tests' emulated phone).
    bool bindEntryPoints(const GbpEntryPoints& entryPoints);

    // Unloads the library, if one was loaded.
    void release();

    bool isBound() const { return bound_; }

    // Each returns the library's answer; an optional entry point the library lacks answers -1,
    // as a failed call would.
    int InitGBPMode(int port) const;
    int EndGBPMode() const;
    int ReadNVMFile(int group, int slot, void* buffer, int size) const;
    int WriteNVMFile(int group, int slot, const void* data, int length) const;
    int ClearNVMFile(int group, int slot) const;
    int GetNVMFileSize(int group, int slot) const;

    static std::string libraryFileName();

private:
    bool adopt(const GbpEntryPoints& entryPoints);

    void* handle_ = nullptr;
    GbpEntryPoints entry_;
    bool bound_ = false;
};

extern const char* const UnableToOpenGbpText; // "Unable to open GPB.DLL"
extern const char* const CantInitGbpModeText; // "Can't Init GPB Mode"
