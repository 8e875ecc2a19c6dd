#include "phone_folder.h"

#include "demo_content.h"

#include <chrono>
#include <cstdlib>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace fs = std::filesystem;

namespace {

// The folder of the file this code was loaded from: the link library, or a test program that
// links the emulator directly.
fs::path ownFolder() {
#if defined(_WIN32)
    HMODULE module = nullptr;
    if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(&ownFolder), &module)) {
        wchar_t name[MAX_PATH];
        const DWORD length = GetModuleFileNameW(module, name, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            return fs::path(name).parent_path();
    }
    return {};
#else
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ownFolder), &info) != 0 && info.dli_fname &&
        info.dli_fname[0] != '\0')
        return fs::path(info.dli_fname).parent_path();
    return {};
#endif
}

// "/tmp/phone/" and "/tmp/phone" are the same folder; the scratch folder is named after it.
fs::path withoutTrailingSeparator(const fs::path& folder) {
    return folder.has_filename() || !folder.has_parent_path() ? folder : folder.parent_path();
}

} // namespace

fs::path phoneFolder() {
    const char* configured = std::getenv(PhoneFolderVariable);
    if (configured && configured[0] != '\0')
        return configured;
    return ownFolder() / "phone-nvm";
}

bool preparePhoneFolder(const fs::path& requested) {
    const fs::path folder = withoutTrailingSeparator(requested);
    if (folder.empty())
        return false;
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() != fs::file_type::not_found)
        return status.type() == fs::file_type::directory;

    const fs::path parent = folder.has_parent_path() ? folder.parent_path() : fs::path(".");
    fs::create_directories(parent, error);
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path scratch =
        parent / (folder.filename().string() + ".new-" + std::to_string(stamp));
    if (!fs::create_directory(scratch, error) || error)
        return false;
    bool ready = writeDemoContent(scratch);
    if (ready) {
        fs::rename(scratch, folder, error);
        // Someone else may have created the folder meanwhile; theirs is as good as ours.
        std::error_code ignored;
        ready = !error || fs::is_directory(folder, ignored);
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    return ready;
}
