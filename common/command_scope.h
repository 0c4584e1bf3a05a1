#pragma once

#include "coupon_app.h"

// One command at a time. The column drawing and a command's message boxes
// let window messages through; a command, button or click on the picture
// that arrives then is ignored instead of running inside the first command,
// which would change what that one draws or writes.
class CommandScope {
public:
    explicit CommandScope(CouponApp& app) : app_(app), entered_(!app.commandRunning) {
        app_.commandRunning = true;
    }
    ~CommandScope() {
        if (entered_) app_.commandRunning = false;
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

    // False when another command was already running: do nothing.
    bool entered() const { return entered_; }

private:
    CouponApp& app_;
    bool entered_;
};
