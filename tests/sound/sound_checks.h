#pragma once
// The checks of what a recording of the game's sounds holds.

#include <string_view>
#include <vector>

#include "tests/sound/heard.h"

namespace kurobi::testing {

// How long the named sound is heard when played alone, measured as a recording is: its own
// WAVE resource, with silence before and after.
double AudibleMs(std::string_view name);

// What was heard is exactly the sounds `names`, in this order, each heard in full, or up to the
// onset of the next where that comes sooner.
void ExpectHeard(const std::vector<HeardSound>& heard, const std::vector<std::string_view>& names);

}  // namespace kurobi::testing
