// The real window with its own sounds, heard through a real sound server while it is played
// with the mouse.

#include "tests/sound/recording.h"
#include "tests/sound/sound_checks.h"
#include "tests/ui/game_fixture.h"

namespace kurobi::testing {
namespace {

using WholeProgramSoundTest = GameTest;

// At the slowest display speed every sound plays to its end: the player's opening move and its
// one flip, the computer's reply and its one flip, then a click on a corner, which no move of
// the opening can take.
TEST_F(WholeProgramSoundTest, TheOpeningMoveItsReplyAndARefusedClick) {
    Recording recording;
    ASSERT_TRUE(recording.Start());
    Trigger("K19");
    ChooseOrder(0);
    Press("Btn_Start");
    const Square opening = FirstLegalSquare(State());
    ClickSquare(opening.x, opening.y);
    ASSERT_EQ(State().PlayerDiscs + State().CpuDiscs, 6);
    ClickSquare(1, 1);
    ASSERT_TRUE(recording.Wait(600));
    ExpectHeard(HeardSounds(recording.Stop(), Recording::kRate),
                {"Put", "Turn", "Put", "Turn", "Bu"});
}

}  // namespace
}  // namespace kurobi::testing
