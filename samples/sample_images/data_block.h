#pragma once

#include "sample_images/byte_image.h"

#include <cstddef>

// Content that no header test recognises: a short text record followed by bytes that look
// random. Its first bytes are "Note", and bytes 7, 11 and 15 are never zero.
ByteImage buildDataBlock(std::size_t size);
