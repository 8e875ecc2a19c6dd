#pragma once

#include "sample_images/byte_image.h"
#include "sample_images/gif_picture.h"

#include <optional>
#include <string>

// A plain GIF reader for the tests: global colour table, extensions skipped, the first image
// decoded in full. Written the way viewers read GIFs (the code width grows when the next free
// code reaches 1 << width), so an encoder that gets this wrong fails here.
struct DecodedGif {
    std::string signature;
    IndexedPicture picture;
    bool endsWithTrailer = false;
};

// Nothing when the file is malformed or its codes are not valid LZW.
std::optional<DecodedGif> decodeGif(const ByteImage& file);
