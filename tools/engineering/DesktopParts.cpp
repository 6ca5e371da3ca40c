#include "tools/engineering/DesktopParts.h"

#include "tools/engineering/RgbCommand.h"
#include "tools/engineering/RgbDesktop.h"

namespace engineering {

// `rgb` of a system colour reads the running desktop's palette.
void connectDesktopParts() { setDesktopColourReader(runningDesktopColour); }

}  // namespace engineering
