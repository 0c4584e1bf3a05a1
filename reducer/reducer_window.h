#pragma once

#include "reducer_app.h"

// "Generar Reducida"; "Limpiar Pantalla" is the shared ClearCouponId.
inline constexpr int GenerateReducedId = 1006;

// Creates the reducer's window, controls and menu; the modal run follows.
void StartReducer(ReducerApp& app);
// The window's message handler bound to `app`.
MessageHandler ReducerHandler(ReducerApp& app);
int RunReducer(int argc, char** argv);
