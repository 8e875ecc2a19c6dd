// Writes the sample files into a folder: generate_samples <folder>.

#include "sample_images/byte_image.h"
#include "sample_images/sample_files.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_samples <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    for (const SampleFile& file : buildSampleFiles()) {
        const std::filesystem::path path = folder / file.name;
        if (!writeByteImage(path, file.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 1;
        }
        std::printf("%s (%zu bytes)\n", file.name.c_str(), file.bytes.size());
    }
    return 0;
}
