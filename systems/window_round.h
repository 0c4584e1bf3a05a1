#pragma once

#include <optional>
#include <string>

#include "chance_model.h"
#include "systems_app.h"

// What the systems window reads off the week's round it holds.

// "Betis - Sevilla"; one team alone when the other is not known; "" for none.
std::string MatchTeams(const std::optional<Jornada>& jornada, int match);
// The jornada's chances, or every sign 1/3 without one.
ChanceModel WindowChanceModel(const SystemsApp& app);
// A line of the message boxes: the file and what is wrong with it.
std::string JornadaProblemText(const std::string& problem);
