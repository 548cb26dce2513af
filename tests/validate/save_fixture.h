#pragma once
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fakes/dialog_harness.h"

namespace zw::test {

inline const std::string ProblemHeading = "ZELT Interface setup has found the following problem:\r\n\r\n";

// A loaded dialog opened on a stored X-ray value, with the program files that exist; the user's typing is
// modelled by setting the boxes afterwards.
class SaveFixture : public ::testing::Test {
protected:
    DialogHarness h;

    void LoadWith(const std::string& storedXray, std::set<std::string> files = {}) {
        h.Prepare([files](FakeEnvironment& env) { env.files = files; });
        if (!storedXray.empty())
            h.StoreXray(storedXray);
        h.Load();
        ASSERT_EQ(h.F().Tag(), "");
        h.fakes.messageBoxes.shown.clear();
        h.Env().log.clear();
    }
    void Type(int box, const std::string& text) { h.F().Text1(box).SetText(text); }
    std::string Stored() { return h.Env().StoredXray(); }
    int Writes() { return h.Env().writeCount; }
    const std::vector<FakeMessageBoxes::Shown>& Boxes() { return h.fakes.messageBoxes.shown; }
    int FileChecks() {
        int n = 0;
        for (const std::string& entry : h.Env().log)
            n += entry.rfind("CheckFileExists ", 0) == 0;
        return n;
    }
};

} // namespace zw::test
