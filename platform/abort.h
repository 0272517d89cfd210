#pragma once
// The silent abort: an exception that ends the current operation and
// unwinds to the event loop, where the application drops it without a word.
#include <exception>

namespace platform {

class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

[[noreturn]] void Abort();

} // namespace platform
