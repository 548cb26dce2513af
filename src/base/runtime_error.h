#pragma once
#include <stdexcept>
#include <string>

#include "error_numbers.h"

namespace zw {

// A failure of the kind the windowing run time reports as "Run-time error 'N'": it carries the error
// number and description shown in the error box that ends the program.
class RuntimeError : public std::runtime_error {
public:
    // The error with the run time's standard description of its number.
    explicit RuntimeError(int number) : RuntimeError(number, errors::StandardText(number)) {}
    RuntimeError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }

private:
    int number_;
};

} // namespace zw
