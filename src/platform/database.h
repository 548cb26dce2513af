#pragma once
#include <memory>
#include <string>

namespace zw {

// An open product database.
class Database {
public:
    virtual ~Database() = default;
    virtual const std::string& Name() const = 0;
    virtual bool IsOpen() const = 0;
    // Closing a closed database is an error, as it is for the database engine the product uses.
    virtual void Close() = 0;
};

using DatabaseRef = std::shared_ptr<Database>;

// The database engine: opens the product database by file name with a connect text such as ";pwd=secret".
// Every failure (missing file, not a database, wrong password) throws RuntimeError.
class DatabaseEngine {
public:
    virtual ~DatabaseEngine() = default;
    virtual DatabaseRef OpenDatabase(const std::string& name, bool exclusive, bool readOnly,
                                     const std::string& connect) = 0;
};

} // namespace zw
