#include <gtest/gtest.h>

#include "base/strings.h"
#include "base/text_fields.h"
#include "choice/choice_checks.h"
#include "choice/workstation_choice.h"

namespace zw {
namespace {

WorkstationChoice Decoded(const std::optional<std::string>& xray, const std::optional<std::string>& probe = {}) {
    return DecodeChoice(xray, probe, FieldOf);
}

// Every X-ray code as the dialog writes it comes back from decoding byte for byte; all the bridges together,
// in any order, come back in row order (the devices' own order is below); codes without a box drop a stray
// field 2 as the dialog's load does. (LIGHTYEAR shares its row with XVA3DMD: it is in the next test.)
TEST(WorkstationChoice, EveryCodeDecodesAndEncodesByteForByte) {
    std::string bridges, reversed; // the table lists the bridges in row order
    for (const InterfaceCode& entry : InterfaceCodes()) {
        if (entry.setting != CodeSetting::Xray || entry.controlIndex == 0 || std::string(entry.code) == "LIGHTYEAR")
            continue;
        const std::string field2 = entry.field2Box >= 0 ? " C:\\Zähne\\" + std::string(entry.code) + ".EXE" : "";
        const std::string value = MakeRecord(entry.code, field2);
        const WorkstationChoice choice = Decoded(value);
        EXPECT_EQ(EncodeXray(choice), value) << entry.code;
        if (entry.control == CodeControl::Bridge) {
            bridges += value;
            reversed = value + reversed;
        }
    }
    EXPECT_EQ(EncodeXray(Decoded(reversed)), bridges);
    EXPECT_EQ(EncodeXray(Decoded("VIPERSOFT\nstray\n\r")), "VIPERSOFT\n\n\r");
    EXPECT_EQ(EncodeXray(Decoded(std::nullopt)), "NONE\n\n\r");
}

// What the records come to once the dialog has applied every one of them.
TEST(WorkstationChoice, RecordsComeToWhatTheLoadShows) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"trophy\nc:\\tw.exe", "TROPHY\nc:\\tw.exe\n\r"}, // any case, no terminators
        {"TIGER\nA\n\rBOGUS\nx\n\rDEXIS\nB\n\r", "TIGER\nA\n\rDEXIS\nB\n\r"},
        {"TIGER\nA\n\r\rDEXIS\nB\n\r", "TIGER\nA\n\r"},         // an empty record ends the value
        {"DEXIS\nB\n\rNONE\n\n\rTIGER\nA\n\r", "TIGER\nA\n\r"}, // NONE drops what came before
        {"XVA3DMD\nA\n\rLIGHTYEAR\nB\n\r", "LIGHTYEAR\nB\n\r"}, // one row, the later record
        {"DI_SUNI\n\n\rDEXIS\nB\n\rDI_SUNI\n\n\rDI_GENDEX\n\n\r", "DEXIS\nB\n\rDI_GENDEX\n\n\rDI_SUNI\n\n\r"},
        {"", "NONE\n\n\r"},
    };
    for (const auto& [stored, encoded] : cases)
        EXPECT_EQ(EncodeXray(Decoded(stored)), encoded) << stored;

    EXPECT_EQ(Decoded({}, "florida probe\nC:\\FP\\FP32.EXE\nx").probe,
              (ProbeChoice{"FLORIDA PROBE", "C:\\FP\\FP32.EXE"}));
    EXPECT_EQ(Decoded({}, "OTHER\nC:\\X").probe, ProbeChoice{});
}

// The checks report in the dialog's words, row by row, and store what the dialog stores.
TEST(ChoiceChecks, GiveTheDialogsMessagesAndValue) {
    // Every file row fails both checks, under one heading in row order; each row's message is the dialog's own.
    std::vector<CheckedRow> everyFileRow;
    for (const BridgeRow& rule : BridgeRows())
        if (rule.ChecksFile())
            everyFileRow.push_back({rule.row, ""});
    const ChoiceCheck failed = CheckChoice(everyFileRow, {}, {[](const std::string&) { return false; }, {}});
    EXPECT_FALSE(failed.passed);
    std::string expected = "ZELT Interface setup has found the following problem:\r\n\r\n";
    for (const char* message :
         {"Please select [TW.EXE] as file name for Trophy Software",
          "Please select [NCDR.EXE] or [CDR.EXE] as file name for Schick 2.6 Software",
          "Please select [TIGER1.EXE] as file name for TigerView Software",
          "Please select [DEXIS.EXE] as file name for Dexis Software",
          "Please select [SIDEXIS.EXE] as file name for SIDEXIS Software",
          "Please select [XVASSISTANT.EXE] or [CLINIVIEW.EXE] or [XVALITE.EXE]  or [LIGHTYEAR.EXE] as the file name "
          "for Xva3 (DMD) / CliniView Software / XV Lite / Lightyear",
          "Please select [SUITE.EXE] as file name for Dicom Imaging System Software",
          "Please select [IMAGEFX.EXE] as file name for SciCan Imaging Software",
          "Please select [CDRDicom.EXE] as file name for Schick-Dicom Software",
          "Please select [MEDIADENT.EXE] as file name for MEDIADENT Imaging Software",
          "Please select [ORTHOCAD.EXE] as file name for ORTHOCAD Imaging Software"})
        expected += "\r\n" + std::string(message) + "\r\nCan not find file []";
    EXPECT_EQ(ProblemMessage(failed.problems), expected);

    // Another workstation's files are not looked for; names still are. Trophy's path is upper-cased, the
    // Schick path and the Dimaxis password trimmed, TigerView's text kept as typed.
    const std::vector<CheckedRow> rows = {
        {1, "c:\\tw\\tw.exe"}, {2, " C:\\CDR\\cdr.exe "}, {3, " C:\\T\\TIGER1.EXE"}, {8, ""}, {10, " pw "}};
    const ChoiceCheck elsewhere = CheckChoice(rows, {6, 1}, {});
    EXPECT_TRUE(elsewhere.passed);
    EXPECT_EQ(elsewhere.value, "TROPHY\nC:\\TW\\TW.EXE\n\rSCHICK\nC:\\CDR\\cdr.exe\n\rTIGER\n C:\\T\\TIGER1.EXE\n\r"
                               "PROIMAGE\n\n\rDIMAXIS\npw\n\rDI_GENDEX\n\n\rDI_SUNI\n\n\r");
    const ChoiceCheck noProImage =
        CheckChoice(rows, {}, {[](const std::string&) { return true; }, [] { return false; }});
    EXPECT_FALSE(noProImage.passed);
    EXPECT_EQ(noProImage.refusals, std::vector<std::string>{ProImageMissingMessage});
    EXPECT_EQ(noProImage.problems, "");
}

} // namespace
} // namespace zw
