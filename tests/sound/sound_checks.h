#pragma once
// The checks of what a recording of the game's sounds holds.

#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

#include "tests/sound/heard.h"

namespace kurobi::testing {

// How long the named sound is heard when played alone, measured as a recording is: its own
// WAVE resource, with silence before and after.
double AudibleMs(std::string_view name);

// What was heard is exactly the sounds `names`, in this order, each heard in full, or up to the
// onset of the next where that comes sooner.
::testing::AssertionResult HeardAsExpected(const std::vector<HeardSound>& heard,
                                           const std::vector<std::string_view>& names);

// Expects `playAndHear` (which plays and records, and returns what was heard) to be heard as
// `names` on its first try or on a second one, and returns what the last try heard.
//
// Now and then (in CI about once in a few runs of the whole suite, on a quiet machine once in
// hundreds of runs of one test) a recording from the test server lacks the first 8-11 ms of one
// sound, one block of the server's, with its onset on time. A sound layer that loses the starts
// of sounds, as one that resumes its stream only after writing the sound, loses them on every
// try, so the second try tells the two apart.
std::vector<HeardSound> ExpectHeardOnOneOfTwoTries(
    const std::function<std::vector<HeardSound>()>& playAndHear,
    const std::vector<std::string_view>& names);

}  // namespace kurobi::testing
