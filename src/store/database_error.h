#pragma once
#include <string>

#include "base/runtime_error.h"

namespace zw {

// Every failure of the product database: the number and description the product's database engine would
// give, and, when SQLite said it, SQLite's extended result code (0 when the failure is the program's own
// finding, such as a file that is not whole pages).
class DatabaseError : public RuntimeError {
public:
    DatabaseError(int number, const std::string& description, int engineCode = 0)
        : RuntimeError(number, description), engineCode_(engineCode) {}
    int EngineCode() const { return engineCode_; }

private:
    int engineCode_;
};

} // namespace zw
