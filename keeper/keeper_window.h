#pragma once

#include "coupon_app.h"

// Command ids of the keeper's "Funciones" menu beside the shared ones.
inline constexpr int ShowBetId = 1005;
inline constexpr int CheckBetId = 1006;
inline constexpr int DeleteBetId = 1008;

// Creates the keeper's window, controls and menu; the modal run follows.
void StartKeeper(CouponApp& app, const CouponSettings& settings);
// The window's message handler, bound to `app`.
MessageHandler KeeperHandler(CouponApp& app);
// The whole program: start-up, the modal run, its result as exit code.
int RunKeeper(int argc, char** argv, const CouponSettings& settings);
