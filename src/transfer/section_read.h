#pragma once

#include "platform/file_io.h"
#include "sections/slot_map.h"

#include <cstddef>
#include <functional>
#include <optional>

class TForm1;

// Something a command must still ask the phone once the section has been read, before GBP mode
// ends; given the number of bytes read, it shows its own box and answers false to stop.
using CheckInGbpMode = std::function<bool(std::size_t n)>;

// The opening of every command that reads a section: status "Downloading data...", GBP mode,
// the read of the section's start into the whole buffer (its size is the read length), the
// optional check, the end of GBP mode. Returns how many bytes came, never more than the buffer
// holds, with LinkIdle set again. Returns nothing when GBP mode could not be entered, the read
// failed ("Error reading section G-S" shown) or the check said no; LinkIdle is then left to the
// caller's guard.
std::optional<std::size_t> downloadSection(TForm1& form, SectionAddress at, Bytes& buffer,
                                           const CheckInGbpMode& check = {});
