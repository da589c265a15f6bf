#include "control/core/SharedState.h"

SharedState& SharedState::get()
{
    static SharedState state;
    return state;
}

void SharedState::reset()
{
    *this = SharedState();
}
