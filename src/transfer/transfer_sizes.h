#pragma once

#include <cstddef>
#include <cstdint>

// Each command holds a transfer buffer of a fixed size while it runs; the size is also the most
// it reads from the phone or from a file.
inline constexpr std::size_t DownloadBufferSize = 65536;
inline constexpr std::size_t PlayGifBufferSize = 21504;
inline constexpr std::size_t ConvertBufferSize = 21504;
inline constexpr std::size_t UploadBufferSize = 65536;

// The longest file a slot takes: the phone keeps small slots for short data only.
inline constexpr std::uint64_t SmallSlotFileLimit = 2048;
inline constexpr std::uint64_t BigSlotFileLimit = 65536;
