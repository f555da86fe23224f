#include "foundation/pfm/PFMDump.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/FileRef.h"
#include "foundation/Platform.h"
#include "foundation/pfm/StoreFileBuilder.h"
#include "platform/sys/TempFolder.h"

namespace {

const std::string kStars = std::string(74, '*') + "\n";
const std::string kDashes = std::string(74, '-') + "\n";

class PFMDumpTest : public ::testing::Test {
protected:
    // Headers made in the test name the running platform, as they do in the program.
    void SetUp() override { DetectPlatform(); }

    // Dumps the file into text; the result code goes to err.
    std::string Dump(const std::string& path, ErrCode& err) {
        ByteStream out;
        err = PFMDumpFile(FileRef(path.c_str()), out);
        EXPECT_GT(out.FlushCalls(), 0);
        return std::string(out.Bytes().begin(), out.Bytes().end());
    }

    static std::string Title(const char* name) {
        return "\n" + kStars + "PFM File Format v3.0 Dump: filename= \"" + name + "\"\n";
    }

    TempFolder folder_;
};

TEST_F(PFMDumpTest, DescribesHeaderAndMap) {
    PFMHeader header;
    header.creatorPlatform = 0;
    header.creatorApp = FourCCOf("QRV1");
    header.creatorVersion = 0x02016003;
    header.lastPlatform = 2;
    header.lastApp = FourCCOf("PMRG");
    header.lastVersion = 0x01008000;
    const std::string bytes = StoreFileBytes({{FourCCOf("INFO"), 128, "0123456789", 0x9000},
                                              {FourCCOf("TEXT"), 5, "objects", 0x3800},
                                              {MakeFourCC('x', '\x01', 'y', 'z'), 65535, "abc", 0x0080}},
                                             header);
    ASSERT_EQ(bytes.size(), 130u);
    ErrCode err = -99;
    const std::string text = Dump(folder_.WriteFile("sample.qrv", bytes), err);
    EXPECT_EQ(err, kNoErr);
    EXPECT_EQ(text, Title("sample.qrv") +
                        "file size = 130\n"
                        "\n"
                        "save type      = full\n"
                        "full-save size = 130\n"
                        "seg-map pos    = 78\n"
                        "\n"
                        "      platform app    app version\n"
                        "      -------- ------ -----------\n"
                        "orig: mac      'QRV1' v2.1b3      \n"
                        "last: cwm      'PMRG' v1.0        \n"
                        "\n" +
                        kDashes +
                        "Segment Map Information    num segs = 3\n"
                        "\n"
                        " index seg type        seg Id priority preload seg kind  file pos file size\n"
                        "------ --------------- ------ -------- ------- --------- -------- ---------\n"
                        "     0 'I' 'N' 'F' 'O'    128        1      no     hdl_t       58        10\n"
                        "     1 'T' 'E' 'X' 'T'      5        3     yes   TObject       68         7\n"
                        "     2 'x' x01 'y' 'z'  65535        0      no   Unknown       75         3\n" +
                        kDashes + kStars);
}

TEST_F(PFMDumpTest, ShortCodesAndKindsAndFastSaves) {
    PFMHeader header;
    header.saveType = kPFMFastSave;
    header.creatorApp = MakeFourCC('A', 'B', '\0', '\0');
    const std::string bytes =
        StoreFileBytes({{FourCCOf("DATA"), 1, "d", 0x1020}, {FourCCOf("CUST"), 2, "c", 0x7840}}, header);
    ErrCode err = -99;
    const std::string text = Dump(folder_.WriteFile("kinds", bytes), err);
    EXPECT_EQ(err, kNoErr);
    EXPECT_NE(text.find("save type      = fast\n"), std::string::npos) << text;
    // A fast-saved file keeps the full-save size its header holds.
    EXPECT_NE(text.find("full-save size = 0\n"), std::string::npos) << text;
    EXPECT_NE(text.find("orig: ???      'AB  ' v0.0        \n"), std::string::npos) << text;
    EXPECT_NE(text.find(" TPFMData "), std::string::npos) << text;
    EXPECT_NE(text.find("     1 'C' 'U' 'S' 'T'      2        7     yes    custom       59         1\n"),
              std::string::npos)
        << text;
}

TEST_F(PFMDumpTest, FileThatIsNotAStore) {
    ErrCode err = 0;
    const std::string text = Dump(folder_.WriteFile("notes.txt", std::string(40, 'n')), err);
    EXPECT_EQ(err, kFileErr);
    EXPECT_EQ(text, Title("notes.txt") + "file size = 40\n" +
                        "ERROR: the file's Id string is not that of a PFM v3.0 formated file.\n" + kStars);
}

TEST_F(PFMDumpTest, MissingAndShortFiles) {
    ErrCode err = 0;
    std::string text = Dump(folder_ / "missing.fsf", err);
    EXPECT_EQ(err, kFileErr);
    EXPECT_EQ(text, Title("missing.fsf") + "ERROR: file does not exist.\n" + kStars);

    text = Dump(folder_.WriteFile("short", "** PFM"), err);
    EXPECT_EQ(err, kEndOfFileErr);
    EXPECT_EQ(text, Title("short") + "file size = 6\nERROR: reading file Id string.\n" + kStars);
}

TEST_F(PFMDumpTest, DamagedHeaderAndMap) {
    std::string bytes = StoreFileBytes({{FourCCOf("INFO"), 1, "abc", 0x9000}});
    std::string wrongVersion = bytes;
    wrongVersion[26] = 0;  // 03 00 00 00: no release stage
    ErrCode err = 0;
    std::string text = Dump(folder_.WriteFile("version", wrongVersion), err);
    EXPECT_EQ(err, kFileErr);
    EXPECT_EQ(text, Title("version") + "file size = 81\nERROR: reading file header.\n" + kStars);

    std::string lostMap = bytes;
    lostMap[30] = 0x7F;  // the map position now lies far past the end
    text = Dump(folder_.WriteFile("lostmap", lostMap), err);
    EXPECT_NE(err, kNoErr);
    EXPECT_NE(text.find("seg-map pos    = 32573\n"), std::string::npos) << text;
    EXPECT_NE(text.find("ERROR: reading file segment map.\n" + kStars), std::string::npos) << text;
    EXPECT_EQ(text.find("Segment Map Information"), std::string::npos);

    std::string hugeCount = bytes;
    hugeCount[61] = 0x10;  // the map's count, far more than the file holds
    text = Dump(folder_.WriteFile("hugecount", hugeCount), err);
    EXPECT_NE(err, kNoErr);
    EXPECT_NE(text.find("ERROR: reading file segment map.\n"), std::string::npos) << text;
}

TEST_F(PFMDumpTest, OutputErrorsAreReported) {
    const std::string path = folder_.WriteFile("ok", StoreFileBytes({}));
    ByteStream out;
    out.SetError(kWriteErr);
    EXPECT_EQ(PFMDumpFile(FileRef(path.c_str()), out), kWriteErr);
}

}  // namespace
