#pragma once

#include <cstdint>
#include <functional>

#include "coupon_app.h"

// The message handling every program window shares: initialisation, the
// focus kept across deactivation, the clean-up on destruction, and commands
// and keys taken one at a time (command_scope.h). Each program gives what
// its own commands do.
struct ProgramCommands {
    std::function<void()> initialise{};
    std::function<void(int id)> command{};
    // Optional: keys the window takes before its controls (Page Down, ...).
    std::function<void(std::uint32_t key, std::uint32_t modifiers)> key{};
    // Optional: sees every message first, even while a command runs; true
    // when it took the message.
    std::function<bool(std::uint32_t message, std::uint32_t first)> before{};
    // Optional: after the shared clean-up of the window's destruction.
    std::function<void()> destroyed{};
};

// The window's message handler, bound to `app`.
MessageHandler ProgramHandler(CouponApp& app, ProgramCommands commands);

// The whole program: its state `App` lives for the modal run of the window
// that `start` creates (`start` returns the coupon state holding it), and
// the run's result is the exit code.
template <typename App>
int RunCouponProgram(int argc, char** argv, const std::function<CouponApp&(App&)>& start,
                     const std::function<MessageHandler(App&)>& handler) {
    return RunProgram(argc, argv, [&] {
        App app;
        const CouponApp& coupon = start(app);
        int result = 0;
        ShowModal(coupon.window, handler(app), &result);
        return result;
    });
}
