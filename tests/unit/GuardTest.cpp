#include "fakes/FakeToolkit.h"
#include "platform/Error.h"
#include "platform/ui/Guard.h"
#include <gtest/gtest.h>

using namespace vx;

TEST(ErrorBox, FullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ui::errorBoxText(L"File not found"), L"File not found.");
    EXPECT_EQ(ui::errorBoxText(L"I/O error 32"), L"I/O error 32.");
    EXPECT_EQ(ui::errorBoxText(L"Failed to set data for 'My App'"), L"Failed to set data for 'My App'");
    EXPECT_EQ(ui::errorBoxText(L"Done."), L"Done.");
    EXPECT_EQ(ui::errorBoxText(L"Oops!"), L"Oops!");
    EXPECT_EQ(ui::errorBoxText(L"(x)"), L"(x)");
    EXPECT_EQ(ui::errorBoxText(L"ends in blank "), L"ends in blank ");
    EXPECT_EQ(ui::errorBoxText(L"Диск"), L"Диск.");
    EXPECT_EQ(ui::errorBoxText(L""), L"");
}

TEST(ErrorBox, GuardShowsTheErrorAndTheProgramGoesOn) {
    fakes::FakeToolkit toolkit;
    int after = 0;
    EXPECT_FALSE(ui::guarded(toolkit, [] { throw IoError(2); }));
    EXPECT_TRUE(ui::guarded(toolkit, [&] { ++after; }));
    EXPECT_FALSE(ui::guarded(toolkit, [] { throw std::runtime_error("boom"); }));
    ASSERT_EQ(toolkit.errors.size(), 2u);
    EXPECT_EQ(toolkit.errors[0], L"File not found.");
    EXPECT_EQ(toolkit.errors[1], L"boom.");
    EXPECT_EQ(after, 1);
}

TEST(ErrorBox, IoErrorTexts) {
    EXPECT_EQ(IoError(3).message(), L"Invalid filename");
    EXPECT_EQ(IoError(4).message(), L"Too many open files");
    EXPECT_EQ(IoError(5).message(), L"File access denied");
    EXPECT_EQ(IoError(100).message(), L"Read beyond end of file");
    EXPECT_EQ(IoError(101).message(), L"Disk full");
    EXPECT_EQ(IoError(32).message(), L"I/O error 32");
}
