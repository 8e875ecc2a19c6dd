#include "link/phone_link.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

const char* const UnableToOpenGbpText = "Unable to open GPB.DLL";
const char* const CantInitGbpModeText = "Can't Init GPB Mode";

namespace {

void* openLibrary(const std::string& name) {
#if defined(_WIN32)
    return reinterpret_cast<void*>(LoadLibraryA(name.c_str()));
#else
    return dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
}

void closeLibrary(void* handle) {
#if defined(_WIN32)
    FreeLibrary(reinterpret_cast<HMODULE>(handle));
#else
    dlclose(handle);
#endif
}

template <typename Fn> Fn entryPoint(void* handle, const char* name) {
#if defined(_WIN32)
    return reinterpret_cast<Fn>(GetProcAddress(reinterpret_cast<HMODULE>(handle), name));
#else
    return reinterpret_cast<Fn>(dlsym(handle, name));
#endif
}

unsigned char asByte(int value) { return static_cast<unsigned char>(value & 0xFF); }

} // namespace

PhoneLink::~PhoneLink() { release(); }

std::string PhoneLink::libraryFileName() {
#if defined(_WIN32)
    return "gbp.dll";
#elif defined(__APPLE__)
    return "libgbp.dylib";
#else
    return "libgbp.so";
#endif
}

bool PhoneLink::bindLibrary(const std::string& programDir) {
    release();
    const std::string name = libraryFileName();
    void* handle = programDir.empty() ? nullptr : openLibrary(programDir + "/" + name);
    if (!handle)
        handle = openLibrary(name);
    if (!handle)
        return false;
    GbpEntryPoints found;
    found.InitGBPMode = entryPoint<InitGBPModeFn>(handle, "InitGBPMode");
    found.EndGBPMode = entryPoint<EndGBPModeFn>(handle, "EndGBPMode");
    found.ReadNVMFile = entryPoint<ReadNVMFileFn>(handle, "ReadNVMFile");
    found.WriteNVMFile = entryPoint<WriteNVMFileFn>(handle, "WriteNVMFile");
    found.ClearNVMFile = entryPoint<ClearNVMFileFn>(handle, "ClearNVMFile");
    found.GetNVMFileSize = entryPoint<GetNVMFileSizeFn>(handle, "GetNVMFileSize");
    if (!adopt(found)) {
        closeLibrary(handle);
        return false;
    }
    handle_ = handle;
    return true;
}

bool PhoneLink::bindEntryPoints(const GbpEntryPoints& entryPoints) {
    release();
    return adopt(entryPoints);
}

bool PhoneLink::adopt(const GbpEntryPoints& entryPoints) {
    if (!entryPoints.InitGBPMode || !entryPoints.EndGBPMode || !entryPoints.ReadNVMFile)
        return false;
    entry_ = entryPoints;
    bound_ = true;
    return true;
}

void PhoneLink::release() {
    if (handle_)
        closeLibrary(handle_);
    handle_ = nullptr;
    entry_ = {};
    bound_ = false;
}

int PhoneLink::InitGBPMode(int port) const {
    return entry_.InitGBPMode ? entry_.InitGBPMode(port) : -1;
}

int PhoneLink::EndGBPMode() const { return entry_.EndGBPMode ? entry_.EndGBPMode() : -1; }

int PhoneLink::ReadNVMFile(int group, int slot, void* buffer, int size) const {
    return entry_.ReadNVMFile ? entry_.ReadNVMFile(asByte(group), asByte(slot), buffer, size) : -1;
}

int PhoneLink::WriteNVMFile(int group, int slot, const void* data, int length) const {
    return entry_.WriteNVMFile ? entry_.WriteNVMFile(asByte(group), asByte(slot), data, length)
                               : -1;
}

int PhoneLink::ClearNVMFile(int group, int slot) const {
    return entry_.ClearNVMFile ? entry_.ClearNVMFile(asByte(group), asByte(slot)) : -1;
}

int PhoneLink::GetNVMFileSize(int group, int slot) const {
    return entry_.GetNVMFileSize ? entry_.GetNVMFileSize(asByte(group), asByte(slot)) : -1;
}
