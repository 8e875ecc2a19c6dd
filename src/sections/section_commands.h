#pragma once

#include "sections/section_table.h"

// The context menu's commands that suit a section, as its last probe recorded it.
struct SectionCommands {
    bool refresh = false;
    bool upload = false;
    bool clear = false;
    bool download = false;
    bool playGif = false;
    bool convert = false;
    friend bool operator==(const SectionCommands&, const SectionCommands&) = default;
};

// Every section can be refreshed. Uploads go into empty slots and over programs and pictures;
// libraries, ringers and data are not overwritten from the menu (the libraries have buttons of
// their own). Only a picture can be played, and only a program whose word is exactly the UFIF 2.0
// word 0x20000000 is offered the conversion, not one with a build number in its low byte.
SectionCommands commandsForEntry(const SectionEntry& entry);
