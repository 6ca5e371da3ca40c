#pragma once
// What the tool's commands reach only through its windows, connected by the
// desktop program at its start (the commands' program has no windows).

namespace engineering {

void connectDesktopParts();

}  // namespace engineering
