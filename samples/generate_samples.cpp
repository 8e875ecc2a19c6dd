// Writes the sample files into a folder: generate_samples <folder>.

#include "sample_images/sample_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

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
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<std::streamsize>(file.bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 1;
        }
        std::printf("%s (%zu bytes)\n", file.name.c_str(), file.bytes.size());
    }
    return 0;
}
