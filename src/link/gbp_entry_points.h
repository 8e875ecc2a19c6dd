#pragma once

// The six entry points of the phone link library, as the library exports them.
#if defined(_WIN32) && !defined(_WIN64)
#define GBP_CALL __stdcall
#else
#define GBP_CALL
#endif

extern "C" {
using InitGBPModeFn = int(GBP_CALL*)(int port);
using EndGBPModeFn = int(GBP_CALL*)(void);
using ReadNVMFileFn = int(GBP_CALL*)(unsigned char group, unsigned char slot, void* buffer,
                                     int size);
using WriteNVMFileFn = int(GBP_CALL*)(unsigned char group, unsigned char slot, const void* data,
                                      int length);
using ClearNVMFileFn = int(GBP_CALL*)(unsigned char group, unsigned char slot);
using GetNVMFileSizeFn = int(GBP_CALL*)(unsigned char group, unsigned char slot);
}

struct GbpEntryPoints {
    InitGBPModeFn InitGBPMode = nullptr;
    EndGBPModeFn EndGBPMode = nullptr;
    ReadNVMFileFn ReadNVMFile = nullptr;
    WriteNVMFileFn WriteNVMFile = nullptr;
    ClearNVMFileFn ClearNVMFile = nullptr;
    GetNVMFileSizeFn GetNVMFileSize = nullptr;
};

// Size answers that mean "no section here" rather than a failure of the link.
constexpr int NoSuchSection = -153;
constexpr int SectionMissing = -5;

constexpr bool sizeMeansEmpty(int size) {
    return size == 0 || size == NoSuchSection || size == SectionMissing;
}
