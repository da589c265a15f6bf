#pragma once

namespace platform {

// Lets the pending window events run (the programs' DoEvents), so that a
// long job keeps its windows alive and a stop button can be pressed. A call
// made while events are already being run this way does nothing and returns
// false: a handler that yields never runs again inside itself.
bool DoEvents();

} // namespace platform
