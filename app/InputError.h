// A refused input: one line naming the file, the field and the value.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace as4100 {

class InputError : public std::runtime_error {
  public:
    explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

// `text` fit for one line of a message: control characters (a newline in a file name or a
// key) escaped as \xNN, anything past `longest` bytes cut and marked "...".
inline std::string OneLine(std::string_view text, std::size_t longest) {
    std::string line;
    for (const char c : text.substr(0, longest)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            line += escaped;
        } else {
            line += c;
        }
    }
    if (text.size() > longest) line += "...";
    return line;
}

}  // namespace as4100
