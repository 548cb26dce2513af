#include "error_numbers.h"

namespace zw::errors {

const char* StandardText(int number) {
    switch (number) {
    case InvalidProcedureCall:
        return "Invalid procedure call or argument";
    case OutOfMemory:
        return "Out of memory";
    case SubscriptOutOfRange:
        return "Subscript out of range";
    case TypeMismatch:
        return "Type mismatch";
    case InternalError:
        return "Internal error";
    case DeviceUnavailable:
        return "Device unavailable";
    case PathNotFound:
        return "Path not found";
    case ObjectVariableNotSet:
        return "Object variable or With block variable not set";
    case ObjectAlreadyLoaded:
        return "Object already loaded";
    case InvalidPropertyValue:
        return "Invalid property value";
    case ObjectRequired:
        return "Object required";
    case CannotCreateObject:
        return "ActiveX component can't create object";
    case IndexOutOfBounds:
        return "Index out of bounds";
    default:
        return "Application-defined or object-defined error";
    }
}

} // namespace zw::errors
