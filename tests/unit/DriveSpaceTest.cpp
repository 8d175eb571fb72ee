#include "folders/DriveSpace.h"
#include <gtest/gtest.h>
#include <limits>

using vx::driveSpaceView;

TEST(DriveSpace, UnitFollowsTheFreeFigureWithStrictLimits) {
    struct Case {
        std::int64_t free, total;
        std::wstring hint;
        int position;
    };
    const Case cases[] = {
        {10240, 1457664, L"Свободно 10240Б из 1457664Б", 99},
        {10241, 1457664, L"Свободно 10КБ из 1423КБ", 99},
        {10485760, 20971520, L"Свободно 10240КБ из 20480КБ", 50},
        {10485761, 20971520, L"Свободно 10МБ из 20МБ", 50},
        {5368709120, 21474836480, L"Свободно 5120МБ из 20480МБ", 75},
        // Above 4 GB nothing is cut to 32 bits.
        {107374182400, 214748364800, L"Свободно 102400МБ из 204800МБ", 50},
        // The total shares the free figure's unit even when it would call for a larger one.
        {5000, 1000000000, L"Свободно 5000Б из 1000000000Б", 100},
    };
    for (const auto& c : cases) {
        auto view = driveSpaceView(c.free, c.total);
        EXPECT_EQ(view.hint, c.hint) << c.free;
        EXPECT_EQ(view.position, c.position) << c.free;
    }
}

TEST(DriveSpace, PositionRoundsHalfToEven) {
    EXPECT_EQ(driveSpaceView(875, 1000).position, 12);  // used 12.5
    EXPECT_EQ(driveSpaceView(865, 1000).position, 14);  // used 13.5
    EXPECT_EQ(driveSpaceView(8751, 10000).position, 12); // used 12.49
    EXPECT_EQ(driveSpaceView(8749, 10000).position, 13); // used 12.51
    EXPECT_EQ(driveSpaceView(995, 1000).position, 0);   // used 0.5
    EXPECT_EQ(driveSpaceView(985, 1000).position, 2);   // used 1.5
}

TEST(DriveSpace, FailedQueryZeroTotalAndOddFiguresStayInTheBarsRange) {
    auto failed = driveSpaceView(-1, -1);
    EXPECT_EQ(failed.hint, L"Свободно -1Б из -1Б");
    EXPECT_EQ(failed.position, 0);

    EXPECT_EQ(driveSpaceView(0, 0).position, 0);
    EXPECT_EQ(driveSpaceView(0, 0).hint, L"Свободно 0Б из 0Б");
    EXPECT_EQ(driveSpaceView(0, 4096).position, 100);
    EXPECT_EQ(driveSpaceView(2, 1).position, 0);   // more free than total
    EXPECT_EQ(driveSpaceView(-5, 1).position, 100);

    constexpr auto big = std::numeric_limits<std::int64_t>::max();
    constexpr auto small = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(driveSpaceView(big, 1).position, 0);
    EXPECT_EQ(driveSpaceView(small, 1).position, 100);
    EXPECT_EQ(driveSpaceView(big, big).hint, L"Свободно 8796093022207МБ из 8796093022207МБ");
    EXPECT_EQ(driveSpaceView(-20971520, 20971520).hint, L"Свободно -20971520Б из 20971520Б");
}
