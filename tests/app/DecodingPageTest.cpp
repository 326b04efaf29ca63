// The commands of the decoding page over headless widgets, scripted dialogs and an in-memory registry.
#include <gtest/gtest.h>

#include "decoder/Decryption.h"
#include "support/FormFixture.h"
#include "support/Recording.h"

namespace vocset {
namespace {

using testing::Bytes;
using testing::MakeRecording;
using testing::ReadBytes;
using testing::RecordingSpec;
using testing::WriteBytes;
using Texts = std::vector<std::string>;

// Encrypts whole blocks with the key stream of `seed`; the transform is its own inverse.
Bytes Encrypt(Bytes plain, std::uint16_t seed) {
    DecoderState state;
    BuildKeyTable(state);
    SeedKeyState(state, seed);
    for (std::size_t at = 0; at + 4096 <= plain.size(); at += 4096) {
        DecryptBlock(state, std::span(plain).subspan(at, 4096), 4096);
        ++state.blockIndex;
    }
    return plain;
}

class DecodingPageTest : public ::testing::Test {
protected:
    testing::FormFixture fixture;
    TForm1& form = fixture.Create();

    std::map<std::string, testing::StoredValue>& Values() { return fixture.registry.keys["Software\\duza"]; }
    void Open(std::optional<std::string> name) {
        fixture.dialogs.answers.push_back(std::move(name));
        fixture.Act([this] { form.BitBtn3.Click(); });
    }
    void Start() {
        fixture.Act([this] { form.BitBtn5.Click(); });
    }
    bool Running() const { return !form.BitBtn5.Visible() && form.BitBtn6.Visible(); }
    // Presses Stop while messages are processed before the given block of the run.
    void StopAtPump(int call) {
        fixture.pump.onCall = [this, call](int n) {
            if (n == call) fixture.Act([this] { form.BitBtn6.Click(); });
        };
    }
    void PrepareEncrypted(const std::string& password, std::uint16_t seed, const RecordingSpec& recording = {}) {
        plain = MakeRecording(recording);
        WriteBytes("rec.xxx", Encrypt(plain, seed));
        form.Edit2.SetText("rec.xxx");
        form.Edit3.SetText("out.wav");
        form.Edit4.SetText(password);
    }

    Bytes plain;
};

TEST_F(DecodingPageTest, OpenFileProposesTheTargetOfAnEncryptedRecording) {
    Values()["pass"] = {true, "1234"};
    form.Edit4.SetText("typed since");
    Open("C:\\rec.d\\a.XXX");
    EXPECT_EQ(form.Edit2.Text(), "C:\\rec.d\\a.XXX");
    EXPECT_EQ(form.Edit3.Text(), "C:\\rec.d\\a.wav");
    EXPECT_EQ(form.Edit4.Text(), "1234");
    EXPECT_TRUE(form.BitBtn4.Enabled());
    EXPECT_TRUE(form.Edit3.Enabled());
    EXPECT_EQ(Values()["src"].text, "C:\\rec.d");
    EXPECT_EQ(fixture.dialogs.shown[0].initialDir, fixture.files.CurrentDirectory());
    EXPECT_EQ(fixture.dialogs.shown[0].filterIndex, 3);

    Values()["dst"] = {true, "D:\\out\\"};
    Open("C:\\b.xxx");
    EXPECT_EQ(form.Edit3.Text(), "D:\\out\\\\b.wav");  // joined as they stand
    EXPECT_EQ(fixture.dialogs.shown[1].initialDir, "C:\\rec.d");
    EXPECT_EQ(Values().count("dst"), 1u);
}

TEST_F(DecodingPageTest, OpenFileOnOtherKindsOfRecording) {
    Open("C:\\a.xxx");
    form.ProgressBar1.SetPosition(50);
    Open("C:\\a.Wav");
    EXPECT_EQ(form.Edit3.Text(), "");
    EXPECT_FALSE(form.Edit3.Enabled());
    EXPECT_FALSE(form.BitBtn4.Enabled());
    EXPECT_EQ(form.ProgressBar1.Position(), 0);
    EXPECT_EQ(form.Edit4.Text(), "");  // no stored password
    Open("C:\\b.xxx");
    Open("C:\\notes.mp3");
    EXPECT_EQ(form.Edit2.Text(), "C:\\notes.mp3");
    EXPECT_EQ(form.Edit3.Text(), "");     // the proposed target of the recording before is gone
    EXPECT_TRUE(form.BitBtn4.Enabled());  // keeps its state
    EXPECT_TRUE(form.Edit3.Enabled());
    Open(std::nullopt);
    EXPECT_EQ(form.Edit2.Text(), "C:\\notes.mp3");
}

TEST_F(DecodingPageTest, SaveFileRemembersTheFolder) {
    Open("C:\\a.xxx");
    fixture.dialogs.answers.push_back("E:\\wav\\x.wav");
    fixture.Act([this] { form.BitBtn4.Click(); });
    EXPECT_EQ(form.Edit3.Text(), "E:\\wav\\x.wav");
    EXPECT_EQ(Values()["dst"].text, "E:\\wav");
    EXPECT_EQ(fixture.dialogs.shown[1].fileName, "C:\\a.wav");
    fixture.dialogs.answers.push_back(std::nullopt);
    fixture.Act([this] { form.BitBtn4.Click(); });
    EXPECT_EQ(fixture.dialogs.shown[2].initialDir, "E:\\wav");
    EXPECT_EQ(form.Edit3.Text(), "E:\\wav\\x.wav");
}

TEST_F(DecodingPageTest, StartWithoutARecordingStoresThePasswordAndComesBack) {
    form.Edit4.SetText("77");
    Start();
    EXPECT_EQ(Values()["pass"].text, "77");
    EXPECT_TRUE(fixture.messages.messages.empty());
    EXPECT_FALSE(Running());
}

TEST_F(DecodingPageTest, AnEncryptedRecordingNeedsATargetAndAPassword) {
    form.Edit2.SetText("a.xxx");
    form.Edit3.SetText("a.wav");
    Start();
    EXPECT_EQ(fixture.messages.messages, Texts{"You must specify the name of the decrypted file and password"});
    EXPECT_EQ(Values()["pass"].text, "");
    EXPECT_FALSE(Running());
    Open("C:\\a.xxx");
    EXPECT_EQ(form.Edit4.Text(), "");
}

TEST_F(DecodingPageTest, DecryptsChecksAndReportsWithTheRecorderNumber) {
    PrepareEncrypted("4660", 4660);
    Start();
    EXPECT_EQ(fixture.messages.messages, Texts{"\"rec.xxx\" decrypted to \"out.wav\". Digital signature is valid.\r\n"
                                               "Number of audio recorder: 123456789ABCDEF0"});
    EXPECT_EQ(ReadBytes("out.wav"), plain);
    EXPECT_TRUE(fixture.files.FileExists("out.txt"));
    EXPECT_EQ(form.ProgressBar1.Position(), 100);
    EXPECT_FALSE(Running());
    EXPECT_EQ(fixture.pump.modes.front(), PumpMode::Always);
}

TEST_F(DecodingPageTest, ThePasswordTextSeedsTheKeyStreamByItsLowSixteenBits) {
    struct Case {
        const char* password;
        std::uint16_t seed;
    };
    const Case cases[] = {{"65536", 0}, {"-1", 0xFFFF}, {"$FF", 255}, {" 42", 42}, {"12a", 0}, {"0x10", 16}};
    for (const Case& c : cases) {
        PrepareEncrypted(c.password, c.seed);
        fixture.messages.messages.clear();
        Start();
        ASSERT_EQ(fixture.messages.messages.size(), 1u) << c.password;
        EXPECT_NE(fixture.messages.messages[0].find("Digital signature is valid."), std::string::npos) << c.password;
    }
}

TEST_F(DecodingPageTest, AWrongPasswordGivesAnInvalidSignature) {
    PrepareEncrypted("1", 2);
    Start();
    EXPECT_EQ(fixture.messages.messages,
              Texts{"\"rec.xxx\" decrypted to \"out.wav\". Digital signature is not valid.\r\n"
                    "Number of audio recorder: 123456789ABCDEF0"});
}

TEST_F(DecodingPageTest, ARecordingEndingInAPartialBlockFailsToDecrypt) {
    PrepareEncrypted("5", 5);
    Bytes source = ReadBytes("rec.xxx");
    source.resize(source.size() + 100);
    WriteBytes("rec.xxx", source);
    Start();
    EXPECT_EQ(fixture.messages.messages, Texts{"An error occurred while performing the decryption operation"});
    EXPECT_EQ(ReadBytes("out.wav").size(), source.size() - 100);
    EXPECT_FALSE(Running());
}

// A target on a disk that fills up: a failed decryption, not a recording that fails its check.
TEST_F(DecodingPageTest, ADecryptionOntoAFullDiskShowsOnlyTheDecryptionError) {
    struct Case {
        std::int64_t room;  // bytes the disk takes
        bool failWholeWrite;
        std::size_t held;  // bytes the target keeps
    };
    // The disk takes part of a write, or refuses a write that does not fit whole; the blocks that fit
    // are stored one at a time.
    const Case cases[] = {{2 * 4096 + 100, false, 2 * 4096 + 100}, {2 * 4096 + 100, true, 2 * 4096}};
    for (const Case& c : cases) {
        PrepareEncrypted("7", 7);
        fixture.files.writeBudget = c.room;
        fixture.files.failWholeMove = c.failWholeWrite;
        fixture.messages.messages.clear();
        Start();
        EXPECT_EQ(fixture.messages.messages, Texts{"An error occurred while performing the decryption operation"});
        EXPECT_EQ(ReadBytes("out.wav"), Bytes(plain.begin(), plain.begin() + static_cast<std::ptrdiff_t>(c.held)));
        EXPECT_FALSE(fixture.files.FileExists("out.txt"));
        EXPECT_FALSE(Running());
    }
}

TEST_F(DecodingPageTest, ChecksTheSignatureOfAWavRecording) {
    struct Case {
        bool valid;
        const char* message;
    };
    const Case cases[] = {
        {true, "Signature of the file r.WAV is valid.\r\nNumber of audio recorder: 0000000100000002"},
        {false, "Signature of the file r.WAV is not valid.\r\nNumber of audio recorder: 0000000100000002"},
    };
    for (const Case& c : cases) {
        WriteBytes("r.WAV", MakeRecording({.recorderHigh = 1, .recorderLow = 2, .validChecksum = c.valid}));
        form.Edit2.SetText("r.WAV");
        fixture.messages.messages.clear();
        Start();
        EXPECT_EQ(fixture.messages.messages, Texts{c.message});
        EXPECT_TRUE(fixture.files.FileExists("r.txt"));
    }
}

// A bad spot on the disk in a block after the signature block: the blocks before it are read all the
// same, and the signature is valid.
TEST_F(DecodingPageTest, AnUnreadableBlockAfterTheSignatureBlockLeavesTheVerdictValid) {
    WriteBytes("r.wav", MakeRecording({.checksummedBlocks = 2, .blocksAfter = 1}));
    form.Edit2.SetText("r.wav");
    fixture.files.readLimit = 3 * 4096 + 100;
    fixture.files.failWholeMove = true;
    Start();
    EXPECT_EQ(fixture.messages.messages,
              Texts{"Signature of the file r.wav is valid.\r\nNumber of audio recorder: 123456789ABCDEF0"});
}

// A report that the disk cannot take is told before the verdict, and leaves no report, or an older
// one as it was.
TEST_F(DecodingPageTest, AReportThatCannotBeStoredIsToldAndLeavesNoReport) {
    WriteBytes("r.wav", MakeRecording());
    form.Edit2.SetText("r.wav");
    fixture.files.writeBudget = 10;
    fixture.files.failWholeMove = true;
    const Texts told = {"Unable to write data to a file r.txt",
                        "Signature of the file r.wav is valid.\r\nNumber of audio recorder: 123456789ABCDEF0"};
    Start();
    EXPECT_EQ(fixture.messages.messages, told);
    EXPECT_EQ(fixture.folder.Names(), Texts{"r.wav"});

    const Bytes older = {'o', 'l', 'd'};
    WriteBytes("r.txt", older);
    fixture.messages.messages.clear();
    Start();
    EXPECT_EQ(fixture.messages.messages, told);
    EXPECT_EQ(ReadBytes("r.txt"), older);
    EXPECT_EQ(fixture.folder.Names().size(), 2u);
    EXPECT_FALSE(Running());
}

// The messages name source and target by their bare names. (Here a name with a backslash is one
// file in the current folder; the program takes the text before it for a folder, as on Windows.)
TEST_F(DecodingPageTest, MessagesNameTheFilesWithoutFolders) {
    PrepareEncrypted("11", 11);
    WriteBytes("C:\\in\\rec.xxx", ReadBytes("rec.xxx"));
    form.Edit2.SetText("C:\\in\\rec.xxx");
    form.Edit3.SetText("D:\\out\\out.wav");
    Start();
    ASSERT_EQ(fixture.messages.messages.size(), 1u);
    EXPECT_EQ(
        fixture.messages.messages[0].rfind("\"rec.xxx\" decrypted to \"out.wav\". Digital signature is valid.", 0), 0u);

    WriteBytes("C:\\in\\r.wav", MakeRecording());
    form.Edit2.SetText("C:\\in\\r.wav");
    fixture.messages.messages.clear();
    Start();
    ASSERT_EQ(fixture.messages.messages.size(), 1u);
    EXPECT_EQ(fixture.messages.messages[0].rfind("Signature of the file r.wav is valid.", 0), 0u);
}

// A run reads the source field afresh at each step: a change made while it runs is what the
// message names.
TEST_F(DecodingPageTest, TheSourceFieldIsReadAtEachStep) {
    PrepareEncrypted("12", 12);
    fixture.pump.onCall = [this](int n) {
        if (n == 1) form.Edit2.SetText("renamed.xxx");
    };
    Start();
    ASSERT_EQ(fixture.messages.messages.size(), 1u);
    EXPECT_EQ(fixture.messages.messages[0].rfind("\"renamed.xxx\" decrypted to \"out.wav\"", 0), 0u);
}

// Each Start begins from a reset decoder: a recording too short to hold a number shows zeros, not
// the number of the recording checked before it.
TEST_F(DecodingPageTest, EachRunStartsFromAResetDecoder) {
    WriteBytes("r.wav", MakeRecording({.recorderHigh = 0xAAAA, .recorderLow = 0xBBBB}));
    form.Edit2.SetText("r.wav");
    Start();
    WriteBytes("short.wav", Bytes(100, 0));
    form.Edit2.SetText("short.wav");
    fixture.messages.messages.clear();
    Start();
    EXPECT_EQ(fixture.messages.messages,
              Texts{"Signature of the file short.wav is not valid.\r\nNumber of audio recorder: 0000000000000000"});
}

TEST_F(DecodingPageTest, RussianMessages) {
    testing::FormFixture russian(kRussian);
    TForm1& form = russian.Create();
    WriteBytes("r.wav", MakeRecording({.recorderHigh = 0, .recorderLow = 255}));
    form.Edit2.SetText("r.wav");
    russian.Act([&] { form.BitBtn5.Click(); });
    EXPECT_EQ(russian.messages.messages,
              Texts{"Цифровая подпись файла r.wav верна.\r\nНомер диктофона: 00000000000000FF"});
}

TEST_F(DecodingPageTest, StopDuringTheDecryptionShowsOnlyItsMessage) {
    PrepareEncrypted("9", 9, {.checksummedBlocks = 5});
    StopAtPump(2);
    Start();
    EXPECT_EQ(fixture.messages.messages, Texts{"File decoding stopped"});
    EXPECT_FALSE(Running());
    EXPECT_EQ(form.ProgressBar1.Position(), 0);
    EXPECT_EQ(ReadBytes("out.wav"), Bytes(plain.begin(), plain.begin() + 2 * 4096));
    EXPECT_FALSE(fixture.files.FileExists("out.txt"));
}

TEST_F(DecodingPageTest, StopDuringTheSignatureCheckStillWritesTheReport) {
    PrepareEncrypted("9", 9, {.checksummedBlocks = 3});
    StopAtPump(4 + 1 + 1);  // four blocks decrypted, the read of 0 bytes, then the check's second block
    Start();
    EXPECT_EQ(fixture.messages.messages, Texts{"File decoding stopped"});
    EXPECT_TRUE(fixture.files.FileExists("out.txt"));
    EXPECT_FALSE(Running());
}

TEST_F(DecodingPageTest, ASourceThatDoesNotExistLeavesStopShownUntilPressed) {
    form.Edit2.SetText("missing.wav");
    Start();
    ASSERT_EQ(fixture.messages.errors.size(), 1u);
    EXPECT_EQ(fixture.messages.errors[0].rfind("Cannot open file \"", 0), 0u);
    EXPECT_TRUE(Running());
    fixture.Act([this] { form.BitBtn6.Click(); });
    EXPECT_EQ(fixture.messages.messages, Texts{"File decoding stopped"});
    EXPECT_FALSE(Running());
}

TEST_F(DecodingPageTest, ATargetEqualToTheSourceCannotBeCreated) {
    PrepareEncrypted("3", 3);
    const Bytes source = ReadBytes("rec.xxx");
    form.Edit3.SetText("rec.xxx");
    Start();
    ASSERT_EQ(fixture.messages.errors.size(), 1u);
    EXPECT_EQ(fixture.messages.errors[0].rfind("Cannot create file \"", 0), 0u);
    EXPECT_EQ(ReadBytes("rec.xxx"), source);
    EXPECT_TRUE(Running());
}

TEST(DecodingPageRegistryTest, WithoutAnOpenKeyEveryStoreFailsAndChangesNothing) {
    testing::FormFixture fixture;
    fixture.registry.refuseOpen = true;
    TForm1& form = fixture.Create();
    form.Edit2.SetText("a.wav");
    fixture.Act([&] { form.BitBtn5.Click(); });
    fixture.dialogs.answers = {std::string("C:\\a.xxx")};
    fixture.Act([&] { form.BitBtn3.Click(); });
    EXPECT_EQ(fixture.messages.errors, (Texts{"Failed to set data for 'pass'", "Failed to set data for 'src'"}));
    EXPECT_TRUE(form.BitBtn5.Visible());
    EXPECT_EQ(form.Edit2.Text(), "a.wav");
    EXPECT_EQ(fixture.dialogs.shown.size(), 1u);
}

TEST_F(DecodingPageTest, ACloseRequestDuringARunNeverUsesTheFreedStore) {
    PrepareEncrypted("8", 8);
    fixture.pump.onCall = [this](int n) {
        if (n == 1) fixture.Act([this] { form.FormClose(); });
        if (n == 2) {
            fixture.dialogs.answers.push_back(std::string("C:\\b.wav"));
            fixture.Act([this] { form.BitBtn3.Click(); });
            fixture.Act([this] { form.FormClose(); });
        }
    };
    Start();
    EXPECT_EQ(fixture.registry.openKeys, 0);
    EXPECT_EQ(fixture.messages.errors, Texts{"Failed to set data for 'src'"});
    EXPECT_FALSE(Running());
}

// A ".wav" name put into the source field while an encrypted recording is decrypted is checked after
// it, and the message names the source field as it stands when that check ends.
TEST_F(DecodingPageTest, TheSourceFieldIsReadAfreshForTheSignatureStepToo) {
    PrepareEncrypted("13", 13);
    WriteBytes("b.wav", MakeRecording({.recorderHigh = 0xB, .recorderLow = 0xC}));
    fixture.pump.onCall = [this](int n) {
        if (n == 1) form.Edit2.SetText("b.wav");
        // The decrypted file's message is out: the ".wav" step's check is running.
        if (fixture.messages.messages.size() == 1 && form.Edit2.Text() == "b.wav") form.Edit2.SetText("c.wav");
    };
    Start();
    ASSERT_EQ(fixture.messages.messages.size(), 2u);
    EXPECT_EQ(fixture.messages.messages[0].rfind("\"b.wav\" decrypted to \"out.wav\"", 0), 0u);
    EXPECT_EQ(fixture.messages.messages[1],
              "Signature of the file c.wav is valid.\r\nNumber of audio recorder: 0000000B0000000C");
    EXPECT_TRUE(fixture.files.FileExists("b.txt"));
    EXPECT_FALSE(Running());
}

}  // namespace
}  // namespace vocset
