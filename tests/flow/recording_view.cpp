#include "recording_view.h"

namespace kurobi {

void RecordingView::ShowCounts(int playerDiscs, int cpuDiscs) {
    Record("counts ", std::to_string(playerDiscs) + " " + std::to_string(cpuDiscs));
}

void RecordingView::DrawDiscs() {
    Record("discs ", std::to_string(s_.PlayerDiscs) + " " + std::to_string(s_.CpuDiscs));
}

void RecordingView::PlayWave(Sound sound) {
    switch (sound) {
        case Sound::Put:
            Record("wave Put");
            break;
        case Sound::Turn:
            Record("wave Turn");
            break;
        case Sound::Kado:
            Record("wave Kado");
            break;
        case Sound::Bu:
            Record("wave Bu");
            break;
    }
}

void RecordingView::Pause(int ms) {
    Record("pause ", std::to_string(ms));
    if (onPause) onPause();
    HandleEvents();
}

void RecordingView::ProcessEvents() {
    Record("events");
    HandleEvents();
}

void RecordingView::FlashWindow() {
    Record("flash");
    HandleEvents();
}

void RecordingView::ShowMessage(std::string_view text) {
    Record("message ", text);
    HandleEvents();
}

void RecordingView::SetOrderChoiceEnabled(bool enabled) {
    orderEnabled = enabled;
    Record(enabled ? "order enabled" : "order disabled");
}

void RecordingView::SetOrderChoice(int item) {
    order = item;
    Record("order ", std::to_string(item));
}

void RecordingView::Think(const std::function<void()>& search) {
    Record("think");
    if (beforeSearch) beforeSearch();
    search();
    if (afterSearch) afterSearch();
    HandleEvents();
}

std::vector<std::string> RecordingView::Lines(std::string_view prefix, size_t from) const {
    std::vector<std::string> lines;
    for (size_t i = from; i < events.size(); ++i) {
        if (events[i].starts_with(prefix)) lines.push_back(events[i].substr(prefix.size()));
    }
    return lines;
}

std::vector<std::string> RecordingView::Since(size_t from) const {
    return {events.begin() + static_cast<std::ptrdiff_t>(from), events.end()};
}

void RecordingView::HandleEvents() {
    if (++eventCalls != closeOnCall) return;
    closing_ = true;
    eventsWhenClosed = events.size();
}

void RecordingView::Record(std::string_view what, std::string_view text) {
    events.push_back(std::string(what) + std::string(text));
}

}  // namespace kurobi
