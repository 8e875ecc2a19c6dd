#pragma once

#include "platform/file_io.h"
#include "sections/slot_map.h"

#include <cstddef>
#include <optional>
#include <string>

class TForm1;

// Sends the first n bytes of the buffer in one GBP mode period and probes the section in a
// second one: the phone's answer to the size question is the only proof that the data took.
// Returns the probe's result (the section's size, or a negative link error); nothing when GBP
// mode could not be entered, after its box. Sets LinkIdle again.
std::optional<int> writeAndProbe(TForm1& form, SectionAddress at, const Bytes& buffer,
                                 std::size_t n);

// The closing box and status of an upload: success when the phone now holds exactly n bytes.
void reportUpload(TForm1& form, int probed, std::size_t n, const std::string& errorText);
