#pragma once

#include <string>

#include "jornada.h"
#include "jornada_json.h"

// The jornada's document on its way out: as the file is written, and as
// "jornada show --json" prints it.

// A new jornada: fourteen matches with nothing given.
JornadaDocument NewJornadaDocument();

// The file's text: the document's keys in their order, two blanks a level,
// each match and every short list on one line, ending with a newline.
std::string JornadaDocumentText(const JornadaDocument& document);

// The document with every match's "probabilities" replaced by the three
// fractions in use (odds converted, per cent scaled, or 1/3 each); the
// matches are added when the document has none. `jornada` is what the
// document holds.
JornadaDocument ShownJornadaDocument(const JornadaDocument& document, const Jornada& jornada);

// The known keys of a jornada and of a match in the order the file is
// described in, unknown keys after them in their own order: for a file the
// programs create, and for a match they change.
JornadaDocument JornadaKeysInOrder(const JornadaDocument& document);
JornadaDocument MatchKeysInOrder(const JornadaDocument& match);

// A whole number stays an integer in the file ("2200000", not "2200000.0").
JornadaDocument JsonNumber(double value);
