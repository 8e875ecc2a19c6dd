#pragma once

// What the emulated phone answers. The manager relies on 0 for success, a count or size of 0 or
// more, and -153 for a section that does not exist; any other negative value is a failure. The
// failure codes stay clear of -5, which the manager also takes for "no such section".
namespace GbpResult {
constexpr int Ok = 0;
constexpr int Failure = -1;      // the memory folder could not be read or written
constexpr int BadArgument = -2;  // null buffer, negative length
constexpr int NotInGbpMode = -3; // read, write and size need GBP mode
constexpr int NoPhone = -4;      // nothing answers on that port
constexpr int MemoryFull = -6;   // the write would exceed the memory's capacity
constexpr int NoSuchSection = -153;
} // namespace GbpResult
