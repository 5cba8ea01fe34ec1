// A refused input: one line naming the file, the field and the value.
#pragma once

#include <stdexcept>
#include <string>

namespace as4100 {

class InputError : public std::runtime_error {
  public:
    explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace as4100
