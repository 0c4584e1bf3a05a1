#include "check_jornada.h"

#include <iostream>

#include "alive_bets.h"
#include "exit_codes.h"
#include "jornada_file.h"
#include "jornada_trouble.h"

std::optional<CheckJornada> ReadCheckJornada(const std::string& file, bool resultNeeded, int& exit) {
    const JornadaRead read = ReadJornada(file);
    CheckJornada jornada;
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
        case JornadaStatus::FileFailure: break;
    }
    const JornadaTrouble trouble = TroubleWith(read, file, false);
    std::cerr << trouble.line << "\n";
    exit = trouble.exit;
    if (resultNeeded) return std::nullopt;
    exit = ExitDone;
    return jornada;
}
