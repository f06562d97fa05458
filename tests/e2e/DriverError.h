#pragma once
#include <stdexcept>

namespace e2e {

// A step of a walk that did not happen as a person would have seen it. Walks throw it; the
// test reports it together with what was on screen.
class DriverError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace e2e
