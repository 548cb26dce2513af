#pragma once

// Every error number the program raises, in one place.

// The run time's own errors. Each has the standard description the run time shows with it
// (StandardText); a RuntimeError made from the number alone carries that description.
namespace zw::errors {

constexpr int InvalidProcedureCall = 5;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int InternalError = 51;
constexpr int DeviceUnavailable = 68;
constexpr int PathNotFound = 76;
constexpr int ObjectVariableNotSet = 91;
constexpr int ControlArrayElementMissing = 340;
constexpr int ObjectAlreadyLoaded = 360;
constexpr int InvalidPropertyValue = 380;
constexpr int ObjectRequired = 424;
constexpr int CannotCreateObject = 429;
// The tab strip's own number for a tab that does not exist.
constexpr int IndexOutOfBounds = 35600;

// The run time's description of the number; "Application-defined or object-defined error" for a number
// it has none for.
const char* StandardText(int number);

} // namespace zw::errors

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

// The component's unspecified failure (E_FAIL), as a component reports a failure it has no number for.
constexpr int Unspecified = -2147467259;
// A component raises its own errors above the object-error base, as COM components do.
constexpr int NotInitialised = -2147221504 + 513;
constexpr int EnvironmentNotLoaded = -2147221504 + 514;

} // namespace zw::componenterrors
