#pragma once
#include <stdexcept>
#include <string>

namespace zw {

// A failure of the kind the windowing run time reports as "Run-time error 'N'": it carries the error
// number and description shown in the error box that ends the program.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }

private:
    int number_;
};

// Numbers of the run-time errors the control model itself raises.
namespace errors {
constexpr int InvalidPropertyValue = 380;
constexpr int ControlArrayElementMissing = 340;
constexpr int ObjectRequired = 424;
constexpr int FileNotFound = 53;
constexpr int UserDefined = 5;
} // namespace errors

} // namespace zw
