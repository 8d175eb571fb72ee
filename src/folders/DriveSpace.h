#pragma once
#include <cstdint>
#include <string>

namespace vx {

// What the drive dialog shows for a drive: the used share as a bar position from 0 to 100,
// and the hint "Свободно <free><unit> из <total><unit>".
struct DriveSpaceView {
    int position = 0;
    std::wstring hint;
};

// Free and total are byte counts, -1 when the drive could not be queried. The unit is chosen
// from the free figure alone; both figures are divided by it, truncating toward zero. The
// position is 100 - free * 100 / total rounded half to even, 0 for a total of 0.
DriveSpaceView driveSpaceView(std::int64_t free, std::int64_t total);

} // namespace vx
