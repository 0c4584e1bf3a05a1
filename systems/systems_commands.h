#pragma once

#include "systems_app.h"

// The systems window's commands.

// "Generar Sistema": builds the system the window describes, or says in one
// box why none can be built. A cancelled search changes nothing.
void GenerateCommand(SystemsApp& app);
// "Grabar Jugada": the system as the stored bet, whole, after the keepers'
// overwrite question.
void SaveSystemCommand(SystemsApp& app);
// "Grabar Boletos BMP": every slip as "<name> 01.bmp", "<name> 02.bmp", ...
void SaveSlipsCommand(SystemsApp& app);
// "BMP": the slip shown.
void SaveSlipPictureCommand(SystemsApp& app);
// "Limpiar Pantalla": forecast, conditions and system cleared.
void ClearCommand(SystemsApp& app);
