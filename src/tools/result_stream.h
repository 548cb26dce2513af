#pragma once
#include <ostream>
#include <streambuf>

namespace zw::tool {

// The results of a command as it writes them: passed on to standard output as they come, so that a long
// listing is never held in memory; dropped for --quiet; and led by a UTF-8 byte order mark when the
// command was asked for one (--bom), just before its first byte.
class ResultStream : public std::streambuf {
public:
    explicit ResultStream(std::ostream& target) : target_(target) {}

    void Drop() { drop_ = true; }
    // Read at the first byte written: the command sets it while it reads its options.
    void LeadWithByteOrderMark(const bool* when) { bom_ = when; }

protected:
    int overflow(int c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    std::ostream& target_;
    const bool* bom_ = nullptr;
    bool drop_ = false;
    bool started_ = false;
};

} // namespace zw::tool
