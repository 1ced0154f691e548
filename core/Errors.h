#pragma once
#include <stdexcept>
#include <string>

namespace pintoola {

// Every failure the program reports is one of these; what() is the text the error box shows.
class EPintoolaError : public std::runtime_error {
 public:
  explicit EPintoolaError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace pintoola
