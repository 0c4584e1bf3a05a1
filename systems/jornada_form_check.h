#pragma once

#include <optional>
#include <string>

#include "jornada_form.h"
#include "jornada_json.h"

// The "Jornada" window's fields read back: every field checked, and the
// whole form written into the jornada's document, keeping every key the
// window does not show (round, date, shares, results, prizes, unknown keys).

struct FormProblem {
    int field = -1;    // the field to go back to; -1 when the whole jornada is wrong
    std::string text;  // one line that names the field: "Partido 07, X: ..."
};

// Writes the form into `document` (a document JornadaOf accepts, or
// NewJornadaDocument()), reading odds by `method`. On a bad field the
// document stays as it was and the first bad field, in the order of the
// window, is returned. Teams, figures, public shares, takings, jackpot and
// price left blank are removed from the document.
std::optional<FormProblem> WriteFormInto(const JornadaForm& form, OddsMethod method, JornadaDocument& document);
