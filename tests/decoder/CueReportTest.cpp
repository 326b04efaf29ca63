// The report's lines in both languages, its text routines, its file name and its saved bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "decoder/CueReport.h"
#include "decoder/ReportFile.h"
#include "support/Fakes.h"
#include "support/PosixFileSystem.h"
#include "support/TempFolder.h"
#include "ui/Language.h"

namespace vocset {
namespace {

using Lines = std::vector<std::string>;

const char* const kRule = "|------|------------|------|----------------------------------------------------|";

ReportTexts TextsOf(const Language& language) {
    return {language.Text(TextId::ReportTitle), language.Text(TextId::ReportCount),
            language.Text(TextId::ReportHeading), language.Text(TextId::UnableToWriteData)};
}

TCue TwoPoints() {
    TCue cue;
    cue.CueNum = 2;
    cue.data = {{.idCue = 1, .PlayPos = 8000, .idData = {'d', 'a', 't', 'a'}},
                {.idCue = 12345, .PlayPos = 2147483647, .idData = {'s', 0, 0xC4, 0xE0}}};
    return cue;
}

TList OneLabel(std::string text) {
    TList list;
    list.labl.push_back({.s = std::move(text)});
    return list;
}

TEST(FormatCueReport, WritesTitleCountAndTableInEnglish) {
    testing::FakeLocale locale(1252);
    Lines lines;
    FormatCueReport(lines, TwoPoints(), "D:\\rec\\a.wav", OneLabel("First"), TextsOf(kEnglish), locale);
    const Lines expected = {
        "File tags \"a.wav\"", "Number of tags: 2", kRule,
        "|Number| Sample     |Sect. | TAG                                                |", kRule,
        "| 0001 | 0000008000 | data | First" + std::string(45, ' ') + " |",
        // A five-digit id is written whole; the second point has no label in the file. idData's bytes
        // are text in code page 1252, its zero byte a character of code 0.
        std::string("| 12345 | 2147483647 | s\0\xC3\x84\xC3\xA0 | ", 32) + std::string(50, ' ') + " |", kRule};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines[5].size(), 81u);
}

TEST(FormatCueReport, WritesTheRussianTextsAndCountsLabelCharactersNotBytes) {
    testing::FakeLocale locale(1251);
    Lines lines;
    FormatCueReport(lines, TwoPoints(), "a.wav", OneLabel("Метка"), TextsOf(kRussian), locale);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Информация о метках, содержащихся в файле \"a.wav\"");
    EXPECT_EQ(lines[1], "Количество меток в файле: 2");
    EXPECT_EQ(lines[3], "| Номер| Сэмпл      |Секция| Метка                                              |");
    EXPECT_EQ(lines[5], "| 0001 | 0000008000 | data | Метка" + std::string(45, ' ') + " |");
    EXPECT_EQ(lines[6].substr(0, 29), std::string("| 12345 | 2147483647 | s\0Да", 29)) << "idData in code page 1251";
}

TEST(FormatCueReport, EndsAfterTheCountWhenThereAreNoTags) {
    testing::FakeLocale locale;
    Lines lines{"kept"};
    FormatCueReport(lines, TCue{}, "C:x.wav", TList{}, TextsOf(kEnglish), locale);
    EXPECT_EQ(lines, (Lines{"kept", "File tags \"x.wav\"", "Number of tags: 0"}));
}

TEST(ZeroPadInt, PadsWithZerosToTheWidthAsPrecisionDoes) {
    EXPECT_EQ(ZeroPadInt(0, 4), "0000");
    EXPECT_EQ(ZeroPadInt(7, 10), "0000000007");
    EXPECT_EQ(ZeroPadInt(12345, 4), "12345");
    EXPECT_EQ(ZeroPadInt(-5, 4), "-0005");
    EXPECT_EQ(ZeroPadInt(INT32_MIN, 4), "-2147483648");
}

TEST(PadRightSpaces, PadsToTheWidthInCharactersAndNeverCuts) {
    EXPECT_EQ(PadRightSpaces("", 3), "   ");
    EXPECT_EQ(PadRightSpaces("ab", 3), "ab ");
    EXPECT_EQ(PadRightSpaces("Да", 3), "Да ");
    EXPECT_EQ(PadRightSpaces(std::string(60, 'x'), 50), std::string(60, 'x'));
}

TEST(ReportFileName, ReplacesTheExtensionOfTheLastComponentOnly) {
    EXPECT_EQ(ReportFileName("D:\\rec.d\\a.WAV", "txt"), "D:\\rec.d\\a.txt");
    EXPECT_EQ(ReportFileName("D:\\rec\\a", "txt"), "D:\\rec\\a.txt");
    EXPECT_EQ(ReportFileName("D:\\rec.d\\a", "txt"), "D:\\rec.d\\a.txt");
    EXPECT_EQ(ReportFileName("C:a.b.wav", "txt"), "C:a.b.txt");
    EXPECT_EQ(ReportFileName("r.txt", "txt"), "r.txt");
}

class SaveReportTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    testing::PosixFileSystem files;
};

TEST_F(SaveReportTest, WritesEachLineWithCrLfInTheAnsiCodePageWithoutAByteOrderMark) {
    testing::FakeLocale cyrillic(1251);
    ASSERT_TRUE(SaveReport(files, cyrillic, "r.txt", {"Количество меток в файле: 0", "Да"}));
    const std::vector<std::uint8_t> expected = {0xCA, 0xEE, 0xEB, 0xE8, 0xF7, 0xE5, 0xF1, 0xF2, 0xE2, 0xEE, ' ',
                                                0xEC, 0xE5, 0xF2, 0xEE, 0xEA, ' ',  0xE2, ' ',  0xF4, 0xE0, 0xE9,
                                                0xEB, 0xE5, ':',  ' ',  '0',  '\r', '\n', 0xC4, 0xE0, '\r', '\n'};
    EXPECT_EQ(testing::ReadBytes("r.txt"), expected);

    // An existing report is emptied first; Latin-1 letters in code page 1252.
    testing::FakeLocale western(1252);
    ASSERT_TRUE(SaveReport(files, western, "r.txt", {"café"}));
    EXPECT_EQ(testing::ReadBytes("r.txt"), (std::vector<std::uint8_t>{'c', 'a', 'f', 0xE9, '\r', '\n'}));
}

TEST_F(SaveReportTest, AReportOfManyLinesIsStoredWholeAndItsLastShortWriteFailsIt) {
    testing::FakeLocale cyrillic(1251);
    Lines lines;
    std::vector<std::uint8_t> expected;
    for (int i = 0; i < 4000; ++i) {
        lines.push_back("Да " + std::to_string(i) + std::string(70, '-'));
        const std::string ansi = "\xC4\xE0 " + std::to_string(i) + std::string(70, '-') + "\r\n";
        expected.insert(expected.end(), ansi.begin(), ansi.end());
    }
    ASSERT_TRUE(SaveReport(files, cyrillic, "r.txt", lines));
    EXPECT_EQ(testing::ReadBytes("r.txt"), expected);

    // Every byte but the last one stored: the write that falls short is the last of several.
    files.writeBudget = static_cast<std::int64_t>(expected.size()) - 1;
    EXPECT_FALSE(SaveReport(files, cyrillic, "r.txt", lines));
    EXPECT_EQ(testing::ReadBytes("r.txt"), expected);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"r.txt"}));
}

TEST_F(SaveReportTest, AWriteThatFailsBeforeTheLastFailsTheSaveThoughTheLastIsStored) {
    testing::FakeLocale locale;
    // 80 000 bytes: a first write of some 64 KiB that the disk refuses whole, then a last one of some
    // 14 KiB that it takes.
    const Lines lines(1000, std::string(78, 'x'));
    files.writeBudget = 20000;
    files.failWholeMove = true;
    EXPECT_FALSE(SaveReport(files, locale, "r.txt", lines));
}

TEST_F(SaveReportTest, FailsWhenTheFileCannotBeCreatedOrNotEveryByteIsStored) {
    testing::FakeLocale locale;
    {
        auto held = files.Create("r.txt");
        EXPECT_FALSE(SaveReport(files, locale, "r.txt", {"line"}));
    }
    files.writeBudget = 3;
    EXPECT_FALSE(SaveReport(files, locale, "r.txt", {"line"}));
}

// A save that fails, with an older report of that name: the older report stays as it was, and no new
// file is left beside it.
struct FailedSaveCase {
    const char* name;
    std::int64_t writeBudget;  // bytes the disk takes; -1: any number
    bool failWholeWrite;       // the write that meets the budget stores nothing at all
    bool heldOpen;             // the older report is held open elsewhere
    bool readOnly;             // the older report is read-only
    bool failMoves;            // the new file cannot be moved over the older one
};

class FailedSaveReportTest : public SaveReportTest, public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSaveReportTest, LeavesTheOlderReportAsItWasAndNoNewFile) {
    const FailedSaveCase& save = GetParam();
    const std::vector<std::uint8_t> older = {'o', 'l', 'd', '\r', '\n'};
    testing::WriteBytes("r.txt", older);
    if (save.readOnly) ::chmod("r.txt", 0444);
    files.writeBudget = save.writeBudget;
    files.failWholeMove = save.failWholeWrite;
    files.failMoves = save.failMoves;
    testing::FakeLocale locale;
    {
        const auto held = save.heldOpen ? files.OpenRead("r.txt") : nullptr;
        // 80,000 bytes: a first piece of 65,600 bytes, then one of 14,400.
        EXPECT_FALSE(SaveReport(files, locale, "r.txt", Lines(1000, std::string(78, 'x'))));
    }
    EXPECT_EQ(testing::ReadBytes("r.txt"), older);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"r.txt"}));
    EXPECT_EQ(files.openStreams(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedSaveReportTest,
    ::testing::Values(FailedSaveCase{"DiskFull", 0, false, false, false, false},
                      FailedSaveCase{"FirstPieceStoredTheNextCut", 70000, false, false, false, false},
                      FailedSaveCase{"FirstPieceStoredTheNextRefused", 70000, true, false, false, false},
                      FailedSaveCase{"ReportHeldOpen", -1, false, true, false, false},
                      FailedSaveCase{"ReportReadOnly", -1, false, false, true, false},
                      FailedSaveCase{"MoveRefused", -1, false, false, false, true}),
    [](const ::testing::TestParamInfo<FailedSaveCase>& info) { return std::string(info.param.name); });

TEST_F(SaveReportTest, AFolderThatTakesNoNewFileFailsTheSave) {
    testing::FakeLocale locale;
    EXPECT_FALSE(SaveReport(files, locale, "missing/r.txt", {"line"}));
    EXPECT_TRUE(folder.Names().empty());
}

}  // namespace
}  // namespace vocset
