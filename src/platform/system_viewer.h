#pragma once

#include <string>

// Opens a file in the system's viewer for its type, detached; neither waits nor checks.
void openInSystemViewer(const std::string& relativeFileName);
