#pragma once
#include "platform/Types.h"

namespace vx {

// The windows beside the tool panel share its top edge: screen height - panel height - 29.
inline int besidePanelTop(int screenHeight, const Rect& panel) { return screenHeight - panel.height - 29; }

} // namespace vx
