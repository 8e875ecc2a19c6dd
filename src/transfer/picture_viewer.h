#pragma once

#include <functional>
#include <string>

// How Play GIF shows the picture it has saved. The system viewer by default; tests put a
// recorder here so that running them never starts a viewer on the developer's desktop.
using PictureViewer = std::function<void(const std::string& fileName)>;

// Replaces the viewer; an empty one brings the system viewer back.
void setPictureViewer(PictureViewer viewer);

void showPicture(const std::string& fileName);
