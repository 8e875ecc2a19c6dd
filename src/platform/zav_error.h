#pragma once

#include <stdexcept>
#include <string>

// The one error type that a command raises when it cannot go on (a file that cannot be
// opened, a text that is not a number, ...). It carries the exact text the user sees; the
// handler wrapper shows it in a message box and the program carries on.
class ZavError : public std::runtime_error {
public:
    explicit ZavError(const std::string& text) : std::runtime_error(text) {}
};

// Replaces the first "%s" of a message template with the given text.
std::string formatMessage(const std::string& pattern, const std::string& value);
