#include <gtest/gtest.h>

#include <cerrno>

#include "error_codes.h"
#include "pending_error.h"

TEST(ErrorTexts, KnownUnknownAndOutOfRange) {
    EXPECT_EQ(ErrorText(70), "Permission denied");
    EXPECT_EQ(ErrorText(61), "Disk full");
    EXPECT_EQ(ErrorText(76), "Path not found");
    EXPECT_EQ(ErrorText(52), "Bad file name or number");
    EXPECT_EQ(ErrorText(0), "No Error");
    EXPECT_EQ(ErrorText(300), "No Error");
    EXPECT_EQ(ErrorText(1), "");
    EXPECT_EQ(ErrorText(255), "");
    EXPECT_EQ(ErrorText(242), "String space corrupt");
}

TEST(ErrorTexts, PlatformErrorsByCause) {
    EXPECT_EQ(ErrorFromErrno(ENOENT), 53);
    EXPECT_EQ(ErrorFromErrno(ENOTDIR), 76);
    EXPECT_EQ(ErrorFromErrno(EMFILE), 67);
    EXPECT_EQ(ErrorFromErrno(EACCES), 70);
    EXPECT_EQ(ErrorFromErrno(EWOULDBLOCK), 70);
    EXPECT_EQ(ErrorFromErrno(EROFS), 70);
    EXPECT_EQ(ErrorFromErrno(ENOSPC), 61);
    EXPECT_EQ(ErrorFromErrno(ENOMEM), 7);
    EXPECT_EQ(ErrorFromErrno(EIO), 72);
    EXPECT_EQ(ErrorFromErrno(EXDEV), 74);
    EXPECT_EQ(ErrorFromErrno(ELOOP), 75);
}

TEST(PendingErrors, LastFailureWinsAndTakingClears) {
    ClearPendingError();
    RaiseError(53);
    RaiseError(70);
    EXPECT_EQ(PendingError(), 70);
    EXPECT_EQ(PendingError(), 70) << "reading does not clear";
    EXPECT_EQ(TakePendingError(), 70);
    EXPECT_EQ(PendingError(), 0);
}

TEST(PendingErrorsDeathTest, InternalFaultsEndTheProcess) {
    EXPECT_EXIT(RaiseError(241), testing::ExitedWithCode(255), "");
}
