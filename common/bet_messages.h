#pragma once

#include <string>
#include <vector>

#include "bet_file.h"

// Shown when the old bet is still there because another program holds it.
inline constexpr const char* BetNotDeletedText = "No se ha podido borrar el fichero ...";

// One box for a failed replacement: "No se ha podido borrar el fichero ..."
// when another program holds the old bet, "Err: " with the number otherwise.
// Returns true when the bet was stored and nothing was shown.
bool ReportBetReplacement(const ReplaceOutcome& outcome);

// "Grabar Jugada": replaces the stored bet whole by `records`, asking first
// "El fichero existe ... Sobrescribir ?" when there is one; "Grabado ..."
// after a new bet, "Grabacion Abortada ..." after No, one box on failure.
void StoreBetAsking(const std::string& betFile, const std::vector<BetRecord>& records);
