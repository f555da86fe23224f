#include "foundation/FileError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

TEST(FileError, MessagesAreTheProgramsOwnTexts) {
    EXPECT_STREQ(FileErrorMessage(0), "No error.");
    EXPECT_STREQ(FileErrorMessage(kFileNotFoundErr), "Cannot find the file.");
    EXPECT_STREQ(FileErrorMessage(kAbortedErr), "Operatioin was aborted by user.");
    EXPECT_STREQ(FileErrorMessage(kBadSegmentMapErr), "The file's segment map data is invalid or corrupt.");
    EXPECT_STREQ(FileErrorMessage(kEndOfFileErr), "Unexpected end of file reached.");
    EXPECT_STREQ(FileErrorMessage(kNoUniqueNameErr), "Could not find a unique filename.");
    EXPECT_EQ(
        std::string(FileErrorMessage(kDocumentMissingErr)).rfind("The document file is missing.\n\n", 0), 0u);
    EXPECT_NE(std::string(FileErrorMessage(kDocumentMissingErr)), FileErrorMessage(kDocumentDataMissingErr));
}

TEST(FileError, CodesOutsideTheTableGiveTheGeneralMessage) {
    EXPECT_STREQ(FileErrorMessage(-24), "Error.");
    EXPECT_STREQ(FileErrorMessage(3), "Error.");
    EXPECT_STREQ(FileErrorMessage(-9002), "Error.");
    EXPECT_STREQ(FileErrorMessage(-32768), "Error.");
}

TEST(FileError, SystemErrorNumbersBecomeNegativeCodes) {
    EXPECT_EQ(FileErrorFromSystem(ENOENT, kOpenErr), kFileNotFoundErr);
    EXPECT_EQ(FileErrorFromSystem(EACCES, kOpenErr), kNotWritableErr);
    EXPECT_EQ(FileErrorFromSystem(EROFS, kWriteErr), kNotWritableErr);
    EXPECT_EQ(FileErrorFromSystem(ENOSPC, kWriteErr), kDiskFullErr);
    EXPECT_EQ(FileErrorFromSystem(EIO, kWriteErr), kWriteErr);
    EXPECT_EQ(FileErrorFromSystem(EIO, 0), kFileErr);
    EXPECT_EQ(FileErrorFromSystem(EIO, 5), kFileErr);
    for (int number = 0; number < 200; ++number) EXPECT_LT(FileErrorFromSystem(number, kFileErr), 0);
}

}  // namespace
