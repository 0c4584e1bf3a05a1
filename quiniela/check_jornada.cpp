#include "check_jornada.h"

#include <iostream>

#include "alive_bets.h"
#include "bet_file.h"
#include "exit_codes.h"
#include "jornada_file.h"

std::optional<CheckJornada> ReadCheckJornada(const std::string& file, bool resultNeeded, int& exit) {
    const JornadaRead read = ReadJornada(file);
    CheckJornada jornada;
    std::string trouble;
    switch (read.status) {
        case JornadaStatus::Read:
            if (PendingMatches(JornadaResults(read.jornada)) < RowCount) jornada.results = JornadaResults(read.jornada);
            jornada.prizes = CheckPrizesOf(read.jornada);
            if (jornada.results || !resultNeeded) return jornada;
            std::cerr << "result: none given, and the jornada has no results yet (" << file << ")\n";
            exit = ExitBadInput;
            return std::nullopt;
        case JornadaStatus::Missing:
            if (!resultNeeded) return jornada;
            std::cerr << "result: none given, and there is no jornada (" << file << ")\n";
            exit = ExitBadInput;
            return std::nullopt;
        case JornadaStatus::Bad:
            trouble = read.problem + " (" + file + ")";
            exit = ExitBadInput;
            break;
        case JornadaStatus::FileFailure:
            trouble = AppendFailureText(read.error) + " (" + file + ")";
            exit = ExitFileFailure;
            break;
    }
    std::cerr << trouble << "\n";
    if (resultNeeded) return std::nullopt;
    exit = ExitDone;
    return jornada;
}
