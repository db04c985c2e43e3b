#pragma once
// Letting the windows work while the program's one thread is busy elsewhere.

#include "catalogue/command_runner.h"

namespace quorvex::ui {

// Handles every pending event, user input included, for at least milliseconds
// (once when 0), sleeping in the event loop rather than spinning.
void PumpEvents(int milliseconds);

// Repaints and runs timers but leaves clicks and keys queued, so nothing the
// user does can start a second operation in the middle of this one.
void RepaintWindows();

// Handles what is pending, except that clicks, keys and the like are
// dropped: input held back while the program was busy must not act late.
void DiscardPendingInput();

// The three above, for the command runner and the catalogue import.
class EventLoopPump : public catalogue::MessagePump {
public:
    void Pump(int milliseconds) override { PumpEvents(milliseconds); }
    void RepaintOnly() override { RepaintWindows(); }
    void DiscardInput() override { DiscardPendingInput(); }
};

}  // namespace quorvex::ui
