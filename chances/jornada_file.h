#pragma once

#include <string>

#include "jornada.h"
#include "replace_file.h"

// The jornada's file: read whole, checked, and replaced whole or not at all,
// as the bet is.

enum class JornadaStatus { Read, Missing, Bad, FileFailure };

struct JornadaRead {
    JornadaStatus status = JornadaStatus::Missing;
    Jornada jornada;       // the defaults unless Read
    std::string problem;   // Bad: one line naming the match and the field, "partido 7: ..."
    int error = 0;         // FileFailure: the error number (services/error_codes.h)
};

JornadaRead ReadJornada(const std::string& path);

// The file's text as it is, for changes that must keep what they do not
// name. Read: `text` holds it; Bad: the file is over the size limit.
struct JornadaText {
    JornadaStatus status = JornadaStatus::Missing;
    std::string text;
    std::string problem;
    int error = 0;
};

JornadaText ReadJornadaText(const std::string& path);

// Replaces the file whole by `text`, which the caller has checked. Refuses
// (70) an old file that is read-only or held by another program of the
// suite (outcome.held) and a folder that may not be written; on failure the
// old file is untouched.
ReplaceOutcome WriteJornadaText(const std::string& path, const std::string& text);
