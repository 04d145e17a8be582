#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/settings/temp_dir.h"

namespace kurobi {

void PrintTo(const Settings& s, std::ostream* out) {
    *out << "{" << s.flipDelay << ", 0x" << std::hex << s.boardColor << std::dec << ", " << s.level
         << "}";
}

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), bytes.size());
}

// The old file's bytes, and what a failed write must leave behind: those bytes and no
// temporary file.
constexpr std::string_view kOldBytes = "[Kurobi]\nTurnSpeed = 300\n";

class SettingsFile : public testing::Test {
  protected:
    fs::path File() const { return dir_.path() / kSettingsFileName; }
    fs::path Temporary() const { return dir_.path() / "Kurobi.ini.tmp"; }

    void ExpectOldFileKept() const {
        EXPECT_EQ(ReadBytes(File()), kOldBytes);
        EXPECT_FALSE(fs::exists(Temporary()));
    }

    TempDir dir_;
};

TEST_F(SettingsFile, DefaultsAreWrittenByteForByte) {
    ASSERT_TRUE(WriteSettings(File(), Settings{}));
    EXPECT_EQ(ReadBytes(File()),
              "[Kurobi]\r\nBoardColor = 808000\r\nTurnSpeed = 80\r\n\r\nLevel = 6\r\n");
    EXPECT_EQ(fs::file_size(File()), 60u);
}

TEST_F(SettingsFile, WrittenValuesReadBack) {
    for (const Settings& written :
         {Settings{}, Settings{10, 0, 1}, Settings{300, 0xFFFFFF, 11}, Settings{10, 0xABCDEF, 7}}) {
        ASSERT_TRUE(WriteSettings(File(), written));
        Settings read{.flipDelay = 150, .boardColor = 0x123456, .level = 3};
        const ReadResult result = ReadSettings(File(), read);
        EXPECT_TRUE(result.opened);
        EXPECT_TRUE(result.levelRestored);
        EXPECT_EQ(read, written);
    }
}

TEST_F(SettingsFile, WritingReplacesTheOldFileAndLeavesNoTemporary) {
    WriteBytes(File(), kOldBytes);
    ASSERT_TRUE(WriteSettings(File(), Settings{}));
    EXPECT_EQ(fs::file_size(File()), 60u);
    EXPECT_FALSE(fs::exists(Temporary()));
}

TEST_F(SettingsFile, AStaleTemporaryFileIsOverwritten) {
    WriteBytes(Temporary(), std::string(1000, 'x'));
    ASSERT_TRUE(WriteSettings(File(), Settings{}));
    EXPECT_EQ(fs::file_size(File()), 60u);
    EXPECT_FALSE(fs::exists(Temporary()));
}

TEST_F(SettingsFile, MissingFileChangesNothing) {
    Settings s{.flipDelay = 150, .boardColor = 0x123456, .level = 3};
    const ReadResult result = ReadSettings(File(), s);
    EXPECT_FALSE(result.opened);
    EXPECT_FALSE(result.levelRestored);
    EXPECT_EQ(s, (Settings{150, 0x123456, 3}));
}

TEST_F(SettingsFile, DirectoryOfThatNameChangesNothing) {
    fs::create_directory(File());
    Settings s{.flipDelay = 150, .boardColor = 0x123456, .level = 3};
    EXPECT_FALSE(ReadSettings(File(), s).opened);
    EXPECT_EQ(s, (Settings{150, 0x123456, 3}));
}

TEST_F(SettingsFile, HeaderOnlyFileStillSnapsTheDelay) {
    WriteBytes(File(), "[Kurobi]\r\n");
    Settings s{.flipDelay = 150};
    EXPECT_TRUE(ReadSettings(File(), s).opened);
    EXPECT_EQ(s.flipDelay, 80);
}

TEST_F(SettingsFile, FileIsReadToItsEnd) {
    std::string bytes = "turnspeed=5\n" + std::string(100'000, '\n') + "boardcolor=ff";
    WriteBytes(File(), bytes);
    Settings s;
    EXPECT_TRUE(ReadSettings(File(), s).opened);
    EXPECT_EQ(s.flipDelay, 10);
    EXPECT_EQ(s.boardColor, 0xFFu);
}

TEST_F(SettingsFile, DiskFullHalfWayKeepsTheOldFile) {
    WriteBytes(File(), kOldBytes);
    const FileWriter halfThenFull = [](const fs::path& file, std::string_view bytes) {
        WriteWholeFile(file, bytes.substr(0, bytes.size() / 2));
        return false;
    };
    EXPECT_FALSE(WriteSettings(File(), Settings{}, halfThenFull));
    ExpectOldFileKept();
}

TEST_F(SettingsFile, TemporaryThatCannotBeCreatedKeepsTheOldFile) {
    WriteBytes(File(), kOldBytes);
    const FileWriter refuse = [](const fs::path&, std::string_view) { return false; };
    EXPECT_FALSE(WriteSettings(File(), Settings{}, refuse));
    ExpectOldFileKept();
}

TEST_F(SettingsFile, DirectoryInTheTemporaryFilesPlaceIsLeftAlone) {
    WriteBytes(File(), kOldBytes);
    fs::create_directory(Temporary());
    EXPECT_FALSE(WriteSettings(File(), Settings{}));
    EXPECT_EQ(ReadBytes(File()), kOldBytes);
    EXPECT_TRUE(fs::is_directory(Temporary()));
}

TEST_F(SettingsFile, DirectoryInTheFilesPlaceFailsTheRenameAndIsKept) {
    fs::create_directory(File());
    WriteBytes(File() / "inside", kOldBytes);
    EXPECT_FALSE(WriteSettings(File(), Settings{}));
    EXPECT_EQ(ReadBytes(File() / "inside"), kOldBytes);
    EXPECT_FALSE(fs::exists(Temporary()));
}

TEST_F(SettingsFile, ParentThatIsAFileCannotHoldIt) {
    const fs::path notADirectory = dir_.path() / "plain";
    WriteBytes(notADirectory, kOldBytes);
    EXPECT_FALSE(WriteSettings(notADirectory / kSettingsFileName, Settings{}));
    EXPECT_EQ(ReadBytes(notADirectory), kOldBytes);
}

}  // namespace
}  // namespace kurobi
