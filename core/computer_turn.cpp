// The computer's turn: its choice of move, the memo and forecast, the corner effect, the placed
// and animated move, and then the end of the game or a pass of either side.

#include "core/game_flow.h"
#include "core/rules.h"
#include "core/search_report.h"
#include "engine/square_weights.h"

namespace kurobi {
namespace {

constexpr int kCornerFlashes = 6;  // an even count leaves the caption as it was
constexpr int kCornerFlashMs = 150;

// The memo names an endgame read before it runs.
const char* EndgameReadHeader(SearchKind kind) {
    if (kind == SearchKind::WinLoss) return "last spart2";
    if (kind == SearchKind::Exact) return "last spart";
    return nullptr;
}

void ClearMoveTables(GameState& s) {
    for (int ply = 1; ply < kPreparedPlies; ++ply) {
        for (int x = 1; x <= 8; ++x) {
            for (int y = 1; y <= 8; ++y) {
                s.CpuMoveFlags[ply][Cell(x, y)] = 0;
                s.PlayerMoveFlags[ply][Cell(x, y)] = 0;
            }
        }
    }
}

}  // namespace

bool GameFlow::ComputerTurn() {
    if (s_.Turn == kComputerTurn) {
        if (!ThinkAndPlay() || !SettleEndAndPasses()) return false;
    }
    SetUndo(snapshotOfThisGame_);
    return true;
}

bool GameFlow::ThinkAndPlay() {
    view_.SetStatusText("考え中、、");
    SetUndo(false);
    view_.ProcessEvents();
    if (view_.Closing()) return false;

    s_.Ply = 1;
    FindLegalMoves(s_);
    if (const char* header = EndgameReadHeader(TurnKind(s_))) view_.AppendMemo(header);
    ThinkOptions options;
    options.stop = view_.StopRequest();
    ComputerChoice choice{};
    view_.Think([&] { choice = ChooseComputerMove(s_, options, ticks_); });
    // The stop is asked for only by a closing window, so a search it ended is never played.
    if (view_.Closing()) return false;

    if (IsEndgameRead(choice.kind)) {
        const Forecast forecast = ForecastFor(choice.forecast);
        view_.AppendMemo(forecast.memo);
        view_.SetForecastText(forecast.label);
    }
    if (IsSearch(choice.kind)) {
        for (const std::string& line : DiagnosticLines(choice)) view_.AppendMemo(line);
    }
    if (choice.kind != SearchKind::Pass) {
        if (!AnnounceComputerMove(choice.x, choice.y) || !PlaceComputerMove(choice.x, choice.y))
            return false;
    }
    WrapUpComputerTurn();
    return true;
}

bool GameFlow::AnnounceComputerMove(int x, int y) {
    if (!IsCorner(x, y)) {
        view_.PlayWave(Sound::Put);
        return true;
    }
    view_.PlayWave(Sound::Kado);
    for (int i = 0; i < kCornerFlashes; ++i) {
        view_.FlashWindow();
        if (view_.Closing() || !Pause(kCornerFlashMs)) return false;
    }
    ApplyCornerRaise(s_, x, y);
    return true;
}

bool GameFlow::PlaceComputerMove(int x, int y) {
    if (!IsOnBoard(x, y) || s_.GameBoard()[Cell(x, y)] != kEmpty) {
        return Message("エラーが出ちゃいました。");
    }
    if (!PlaceAndTurn(x, y, Mover::Computer)) return false;
    s_.Turn = kPlayerTurn;
    return true;
}

void GameFlow::WrapUpComputerTurn() {
    s_.MoveX[1] = 0;
    s_.MoveY[1] = 0;
    s_.BestValue[1] = kMaxSentinel;
    // A refused move may follow a search that left Ply elsewhere; the game position is shown.
    s_.Ply = 1;
    view_.DrawDiscs();
    view_.SetStatusText("待機中");
    FindLegalMoves(s_);
}

bool GameFlow::SettleEndAndPasses() {
    const bool cpuCanMove = s_.CpuMoveCount[1] > 0;
    const bool playerCanMove = s_.PlayerMoveCount[1] > 0;
    if (!cpuCanMove && !playerCanMove) {
        const int lead = s_.PlayerDiscs - s_.CpuDiscs;
        if (!Message(lead > 0    ? "あなたの勝ちです。"
                     : lead == 0 ? "引き分けです。"
                                 : "私の勝ちです。")) {
            return false;
        }
        s_.Turn = kGameOver;
    } else if (!cpuCanMove && s_.Turn == kComputerTurn) {
        if (!Message("私はパスです")) return false;
        s_.Turn = kPlayerTurn;
    } else if (!playerCanMove && s_.Turn == kPlayerTurn) {
        if (!Message("あなたはパスです")) return false;
        s_.Turn = kComputerTurn;
        view_.DrawDiscs();
        if (!Pause(s_.FlipDelay)) return false;
        ClearMoveTables(s_);
        return ComputerTurn();
    }
    return true;
}

}  // namespace kurobi
