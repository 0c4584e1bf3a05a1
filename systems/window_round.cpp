#include "window_round.h"

#include "jornada_file.h"

std::string MatchTeams(const std::optional<Jornada>& jornada, int match) {
    if (!jornada) return "";
    const JornadaMatch& teams = jornada->matches[match];
    if (teams.home.empty() || teams.away.empty()) return teams.home + teams.away;
    return teams.home + " - " + teams.away;
}

ChanceModel WindowChanceModel(const SystemsApp& app) {
    return app.jornada ? ChanceModelOf(*app.jornada) : UniformChanceModel();
}

std::string JornadaProblemText(const std::string& problem) {
    return std::string("Jornada (") + JornadaFileName + "): " + problem;
}
