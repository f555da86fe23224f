// Folders of sources compiled into store files: the checks over all sources of a store, and the
// written store read back through the store's own readers.

#include "datafiles/Compiler.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "DataSourceTestSupport.h"
#include "datafiles/PngImage.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PictRecord.h"
#include "platform/sys/TempFolder.h"

namespace {

CompiledSegment Segment(const std::string& type, std::uint16_t id, const std::string& file) {
    CompiledSegment segment;
    segment.key = {MakeFourCC(type[0], type[1], type[2], type[3]), id};
    segment.origin = {file, 1};
    return segment;
}

std::vector<std::string> CheckSegments(const std::vector<CompiledSegment>& segments,
                                       const std::string& store = "other.qrv") {
    Diagnostics diagnostics;
    CheckStore(segments, store, {"data", 0}, diagnostics);
    return diagnostics.Messages();
}

TEST(CheckStore, TwoSourcesOfOneSegmentNameEachOther) {
    EXPECT_EQ(CheckSegments(
                  {Segment("TEXT", 4, "a.text"), Segment("TEXT", 5, "b.text"), Segment("TEXT", 4, "c.text")}),
              std::vector<std::string>{"c.text:1: 'TEXT' 4 is made by a.text:1 too"});
}

TEST(CheckStore, NamedSegmentsMustExist) {
    CompiledSegment list = Segment("ITM#", 1, "list.items");
    list.references.push_back({{FourCCOf("BITM"), 300}, {"list.items", 9}, "the icon's picture"});
    list.references.push_back({{FourCCOf("TEXT"), 2}, {"list.items", 12}, "the text"});
    EXPECT_EQ(CheckSegments({list, Segment("TEXT", 2, "t.text")}),
              std::vector<std::string>{"list.items:9: the icon's picture 'BITM' 300 is made by no source"});
}

TEST(CheckStore, DataFilesHoldWhatTheProgramNeeds) {
    const auto messages = CheckSegments({Segment("CPIX", 1, "woman.picture")}, "CharPix.qrv");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0],
              "data: CharPix.qrv needs 'CPIX' 0 (a picture the first two characters of a new story "
              "get); no source makes it");
    EXPECT_EQ(messages[1], "woman.picture:1: 'CPIX' 1 is not a picture");

    const auto tall = CompileText("s.picture", "picture 'BITM' 16014\nimage s.png\n",
                                  {{"s.png", WriteRgbPng(266, 277, std::vector<std::uint32_t>(266 * 277))}});
    ASSERT_TRUE(tall.segment) << tall.FirstError();
    const auto application = CheckSegments({*tall.segment}, "Fablecor.qrv");
    EXPECT_EQ(application.back(),
              "s.picture:1: 'BITM' 16014 is 266 x 277; it must be at most 265 wide, 278 high: the "
              "splash screen and about box are 278 high and their texts start at 265");
}

class CompileStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        DetectPlatform();
        ASSERT_EQ(PFMInit(FourCCOf("Fabl"), 0), kNoErr);
    }
    void TearDown() override { PFMTerm(); }

    std::string Write(const std::string& name, const std::string& text) {
        return folder_.WriteFile(name, text);
    }
    bool Compile(const std::string& output) {
        return CompileStore(folder_.Path(), output, {{"VERSION", "2.1.3"}, {"WHO", "us"}}, diagnostics_);
    }

    TempFolder folder_;
    TempFolder out_;
    Diagnostics diagnostics_;
};

TEST_F(CompileStoreTest, WrittenStoreReadsBackThroughTheStoreReaders) {
    Write("notes.keys", "keys 'NOTE' 7\nWho c \"${WHO}\"\nCount s 12\n");
    const auto png = WriteRgbPng(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    std::filesystem::create_directories(folder_ / "pictures");
    folder_.WriteFile("pictures/red.png", std::string(png.begin(), png.end()));
    Write("pictures/red.picture", "picture 'BITM' 300\nimage red.png\n");
    Write("README.md", "notes for people, not compiled");
    const std::string output = out_ / "store.qrv";
    ASSERT_TRUE(Compile(output)) << (diagnostics_.Messages().empty() ? "" : diagnostics_.Messages().front());

    const FileRef ref(output.c_str());
    PFMFile* store = PFMOpenFile(&ref);
    ASSERT_NE(store, nullptr);
    {
        ErrCode err = 0;
        PText notes(nullptr, FourCCOf("NOTE"), 7, &err);
        ASSERT_EQ(err, kNoErr);
        char who[8] = "";
        std::int16_t count = 0;
        EXPECT_GE(notes.GetEntry("Who", 'c', who, sizeof who), 0);
        EXPECT_GE(notes.GetEntry("Count", 's', &count), 0);
        EXPECT_STREQ(who, "us");
        EXPECT_EQ(count, 12);
    }
    PictRecord picture(300, FourCCOf("BITM"));
    ASSERT_EQ(picture.Load(), kNoErr);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.ColorTable()[3], (PictColor{0xFF00, 0xFF00, 0xFF00}));
    PFMCloseFile(store);
    // The header names the version the build gave.
    const std::string bytes = TempFolder::ReadFile(output);
    EXPECT_EQ(bytes.substr(40, 8), std::string("Fabl\x02\x01\x80\x03", 8));
}

TEST_F(CompileStoreTest, StrayFilesAndErrorsWriteNothing) {
    Write("a.keys", "keys 'NOTE' 1\nA s 1\n");
    Write("b.keys", "keys 'NOTE' 1\nA s 2\n");
    folder_.WriteFile("lost.png", "x");
    Write("list.txt", "something else");
    const std::string output = out_ / "store.qrv";
    EXPECT_FALSE(Compile(output));
    const auto& messages = diagnostics_.Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], folder_ / "list.txt" +
                               ": not a data source: sources end in .keys, .text, .styled, .items, "
                               ".cursor, .picture, .raw, .dictionary, .verbs, .storypoints");
    EXPECT_EQ(messages[1], folder_ / "lost.png" + ": no source names this picture");
    EXPECT_EQ(messages[2], folder_ / "b.keys" + ":1: 'NOTE' 1 is made by " + folder_ / "a.keys" + ":1 too");
    EXPECT_FALSE(std::filesystem::exists(output));

    Diagnostics noVersion;
    EXPECT_FALSE(CompileStore(folder_.Path(), output, {}, noVersion));
    EXPECT_EQ(noVersion.Messages().front(),
              folder_.Path() + ": no VERSION variable: the store's header names the version that wrote it");
}

TEST(CompileSource, HeadersNameAKnownKindOfTheirType) {
    EXPECT_EQ(CompileText("a.keys", "# nothing but comments\n").FirstError(),
              "a.keys: no header: a source starts with its kind, segment type and id, as in: keys 'INFO' 0");
    EXPECT_EQ(CompileText("a.keys", "keys INFO 0\n").FirstError(),
              "a.keys:1: the header is its kind, segment type and id, as in: keys 'INFO' 0");
    EXPECT_EQ(CompileText("a.keys", "keys 'INF' 0\n").FirstError(),
              "a.keys:1: a segment type has four characters, not 3");
    EXPECT_EQ(CompileText("a.keys", "keys 'INFO' 70000\n").FirstError(),
              "a.keys:1: the segment id 70000 is outside 0 to 65535");
    EXPECT_EQ(CompileText("a.keys", "keys 'INFO' 0 priority 9\n").FirstError(),
              "a.keys:1: the priority 9 is outside 0 to 7");
    EXPECT_EQ(CompileText("a.keys", "keys 'INFO' 0 priority 0 preload\n").FirstError(),
              "a.keys:1: a preloaded segment needs a priority above 0");
    EXPECT_EQ(CompileText("a.keys", "keys 'INFO' 0 fast\n").FirstError(),
              "a.keys:1: unknown header word fast for a 'keys' source");
    EXPECT_EQ(
        CompileText("a.keys", "recs 'INFO' 0\n").FirstError(),
        "a.keys:1: unknown kind of source recs; the kinds are keys text styled items cursor picture raw");
    EXPECT_EQ(CompileText("a.text", "keys 'INFO' 0\n").FirstError(),
              "a.text:1: a .text file holds no 'keys' source");
    EXPECT_EQ(CompileText("a.keys", "keys 'ITM#' 5\n").FirstError(),
              "a.keys:1: 'ITM#' 5 is an item list: its source is 'items'");
    EXPECT_TRUE(CompileText("a.raw", "raw 'ITM#' 5 object 106\n00 00\n").segment.has_value());
    EXPECT_EQ(CompileText("a.raw", "raw 'ITM#' 5 object 106\n00 0g\n").FirstError(),
              "a.raw:2: 'g' is no hexadecimal digit");
}

}  // namespace
