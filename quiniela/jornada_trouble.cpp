#include "jornada_trouble.h"

#include "bet_file.h"
#include "exit_codes.h"

JornadaTrouble TroubleWith(const JornadaRead& read, const std::string& file, bool named) {
    const std::string where = " (" + file + ")";
    switch (read.status) {
        case JornadaStatus::Read: return {};
        case JornadaStatus::Missing:
            if (!named) return {};
            return {"No puedo leer fichero ... Fichero NO existe ..." + where, ExitFileFailure};
        case JornadaStatus::Bad: return {read.problem + where, ExitBadInput};
        case JornadaStatus::FileFailure: return {AppendFailureText(read.error) + where, ExitFileFailure};
    }
    return {};
}
