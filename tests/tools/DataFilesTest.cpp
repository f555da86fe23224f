// The data files the build makes: they open with the store's reader and hold what the program
// reads, and each of them decompiles to sources that compile back to the same bytes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>

#include "BuiltDataFiles.h"
#include "DataSourceTestSupport.h"
#include "datafiles/Decompiler.h"
#include "datafiles/ItemRecords.h"
#include "datafiles/StoreFiles.h"
#include "foundation/Memory.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PictRecord.h"
#include "platform/sys/TempFolder.h"

namespace {

int RunCommand(const std::string& command) {
    const int status = std::system((command + " 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class BuiltDataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        DetectPlatform();
        ASSERT_EQ(PFMInit(FourCCOf("Fabl"), 0), kNoErr);
    }
    void TearDown() override { PFMTerm(); }

    PFMFile* Open(const std::string& name) {
        const FileRef ref(DataFile(name).c_str());
        return PFMOpenFile(&ref);
    }
};

std::string Text(PText& record, const char* key) {
    char text[1000] = "(missing)";
    record.GetEntry(key, 'c', text, sizeof text);
    return text;
}

TEST_F(BuiltDataFileTest, ApplicationDataFileHoldsItsRecords) {
    ASSERT_NE(Open("Fablecor.qrv"), nullptr);
    PText info(nullptr, FourCCOf("INFO"), 0);
    EXPECT_EQ(Text(info, "Vers"), DATA_VERSION);
    std::int16_t major = -1;
    EXPECT_GE(info.GetEntry("MajVer", 's', &major), 0);
    EXPECT_EQ(std::to_string(major),
              std::string(DATA_VERSION).substr(0, std::string(DATA_VERSION).find('.')));
    EXPECT_EQ(Text(info, "Copyright").find("Copyright \xA9 "), 0u);
    EXPECT_LE(Text(info, "CreditA").size() + Text(info, "CreditB").size(), 999u);

    PText pronouns(nullptr, FourCCOf("PPNN"), 1);
    EXPECT_EQ(Text(pronouns, "S30S1"), "he");
    EXPECT_EQ(Text(pronouns, "S31P2"), "hers");
    EXPECT_EQ(Text(pronouns, "S32R1"), "itself");
    EXPECT_EQ(Text(pronouns, "P32P1"), "their");

    PictRecord splash(16014, FourCCOf("BITM"));
    ASSERT_EQ(splash.Load(), kNoErr);
    EXPECT_EQ(splash.Height(), 278);
    PictRecord fallback(19999, FourCCOf("BITM"));
    ASSERT_EQ(fallback.Load(), kNoErr);
    EXPECT_EQ(fallback.Width(), 32);

    for (std::uint16_t id : {129, 130, 131, 132, 150, 160, 165, 170, 191, 201, 202, 212}) {
        CheckedOutHdl cursor(FourCCOf("CURS"), id);
        ASSERT_NE(cursor.Data(), nullptr) << id;
        EXPECT_EQ(MemSize(cursor.Data()), 68u) << id;
    }
}

TEST_F(BuiltDataFileTest, AboutBoxClosesWithItsFirstItem) {
    // The item-list reader of the items subsystem is not built yet: the stored form is read here.
    StoreFileContents contents;
    ASSERT_EQ(ReadStoreFile(DataFile("Fablecor.qrv"), contents), kNoErr);
    for (const SegmentData& segment : contents.segments) {
        if (segment.key.type != FourCCOf("ITM#")) continue;
        EXPECT_EQ(segment.kind, kObjectSegment);
        EXPECT_EQ(segment.classId, kItemListClassId);
        if (segment.key.id != 1070) continue;
        ByteReader in(segment.bytes);
        ReadRecordText(in);
        ReadRect(in);
        ReadColor(in);
        ASSERT_GE(in.U16(), 1);
        const auto first = ReadItem(in);
        ASSERT_TRUE(first);
        EXPECT_EQ(first->itemClass->id, 507u);
        EXPECT_EQ(first->Find("title")->text, "OK");
    }
}

TEST_F(BuiltDataFileTest, CharacterPicturesAreThirtyTwoSquare) {
    ASSERT_NE(Open("charpix.qrv"), nullptr);
    for (std::uint16_t id : {0, 1}) {
        PictRecord picture(id, FourCCOf("CPIX"));
        ASSERT_EQ(picture.Load(), kNoErr) << id;
        EXPECT_EQ(picture.Width(), 32);
        EXPECT_EQ(picture.Height(), 32);
    }
}

TEST(DataFileRoundTrip, EveryDataFileCompilesBackFromItsSources) {
    const std::vector<std::string> files = DataFiles();
    ASSERT_GE(files.size(), 3u);
    for (const std::string& file : files) {
        TempFolder folder;
        const std::string sources = folder / "sources";
        const std::string again = folder / std::filesystem::path(file).filename().string();
        ASSERT_EQ(RunCommand(std::string(DECOMPILE_DATA_PATH) + " '" + file + "' '" + sources + "'"), 0)
            << file;
        // Question lists and pages are checked against the query system's tables.
        ASSERT_EQ(RunCommand(std::string(COMPILE_DATA_PATH) +
                             " -D VERSION=" DATA_VERSION " --topics '" DATA_SOURCE_DIR "/query' '" + sources +
                             "' '" + again + "'"),
                  0)
            << file;
        EXPECT_TRUE(TempFolder::ReadFile(again) == TempFolder::ReadFile(file))
            << file << " differs after the round trip";
        // The program's own data files come back as readable sources, not as raw bytes.
        const bool engine = std::filesystem::path(file).filename() == "engine.qrv";
        for (const auto& entry : std::filesystem::directory_iterator(sources)) {
            EXPECT_EQ(entry.path().extension() == ".raw", engine) << entry.path();
        }
    }
}

}  // namespace
