#pragma once

// Shown by both library uploads when the library does not fit the section the mod reserves.
inline constexpr const char* LibraryTooBigText = "Can't uplod - library file too big!";
