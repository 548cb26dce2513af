#pragma once

// Error numbers the stand-in raises. The database numbers are those the product's own database engine
// reports for the same situations, so the program and support staff see familiar numbers.
namespace zw::dberrors {

constexpr int EngineFailure = 3000;
constexpr int FileNotFound = 3024;
constexpr int ReadOnly = 3027;
constexpr int InvalidPassword = 3031;
constexpr int FileInUse = 3045;
constexpr int Corrupt = 3049;
constexpr int AlreadyExists = 3204;
constexpr int Locked = 3218;
constexpr int UnrecognisedFormat = 3343;
constexpr int ObjectInvalid = 3420;

} // namespace zw::dberrors

namespace zw::componenterrors {

constexpr int InvalidArgument = 5;
constexpr int TypeMismatch = 13;
constexpr int ObjectNotSet = 91;
// A component raises its own errors above the object-error base, as COM components do.
constexpr int NotInitialised = -2147221504 + 513;
constexpr int EnvironmentNotLoaded = -2147221504 + 514;

} // namespace zw::componenterrors
