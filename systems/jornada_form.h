#pragma once

#include <array>
#include <optional>
#include <string>

#include "jornada.h"

// The fields of the "Jornada" window as the texts typed in them, toolkit
// free: filled from a jornada, switched between per cent and odds, and
// named as screen readers call them. jornada_form_check.h reads them back.

// How the figures of 1, X and 2 are typed: the choice "Entrada".
enum class FigureEntry { PerCent, Odds };

// Per match: local, visitante, the figures of 1, X and 2, the public's 1, X
// and 2; then the money of the round.
inline constexpr int HomeField = 0;
inline constexpr int AwayField = 1;
inline constexpr int FirstFigureField = 2;
inline constexpr int FirstPublicField = 5;
inline constexpr int MatchFields = 8;
inline constexpr int TakingsField = RowCount * MatchFields;
inline constexpr int JackpotField = TakingsField + 1;
inline constexpr int PriceField = TakingsField + 2;
inline constexpr int FormFields = PriceField + 1;

constexpr int MatchField(int match, int field) { return match * MatchFields + field; }

struct JornadaForm {
    FigureEntry entry = FigureEntry::PerCent;
    std::array<std::string, FormFields> fields;
};

// "Partido 07, local", "Partido 07, visitante", "Partido 07, 1", ...,
// "Partido 07, público 2"; "Recaudación", "Bote", "Precio".
std::string FormFieldName(int field);

// The jornada's figures as they would be typed. The entry is odds when
// some match has odds and none has per cent; a match with odds under per
// cent shows the chances in use.
JornadaForm FormOfJornada(const Jornada& jornada);

// Retypes each match's three figures under the other entry where all three
// read as figures of the entry left: per cent become fair odds (100 / p),
// odds become the per cent `method` gives. The others stay as typed.
void ChangeFormEntry(JornadaForm& form, FigureEntry entry, OddsMethod method);

// The text without the blanks around it.
std::string TrimmedField(const std::string& text);
// A typed decimal: digits with at most one comma or point, a minus in
// front; blanks around it are ignored. Nothing for anything else.
std::optional<double> ParseTypedDecimal(const std::string& text);
