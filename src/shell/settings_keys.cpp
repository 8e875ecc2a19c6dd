#include "shell/settings_keys.h"

std::string settingsPathForProgram(const std::string& programPath) {
    const auto slash = programPath.find_last_of("/\\");
    const auto dot = programPath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? programPath.substr(0, dot) : programPath) + ".INI";
}
