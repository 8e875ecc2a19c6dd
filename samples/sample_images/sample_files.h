#pragma once

#include "sample_images/byte_image.h"

#include <string>
#include <vector>

// One file of the samples folder: its name and its exact content.
struct SampleFile {
    std::string name;
    ByteImage bytes;
};

// Every generated sample file, in a fixed order.
std::vector<SampleFile> buildSampleFiles();
