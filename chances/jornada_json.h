#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "jornada.h"

// The jornada as JSON text: parsing and checking it. The document is kept
// as read, key order and unknown keys included, so that a change writes
// back everything it did not name.

using JornadaDocument = nlohmann::ordered_json;

// A larger file is refused before it is read.
inline constexpr std::size_t MaxJornadaBytes = std::size_t{1} << 20;

// The JSON object of the text, or nothing with `problem` set: not JSON, not
// an object, or over MaxJornadaBytes. Nothing else is checked.
std::optional<JornadaDocument> ParseJornadaDocument(std::string_view text, std::string& problem);

// The jornada a document describes, every key optional (null counts as
// absent), or nothing with `problem` set to one line naming the match and
// the field ("partido 7: cuotas: ...") or the top-level key ("precio: ...").
std::optional<Jornada> JornadaOf(const JornadaDocument& document, std::string& problem);

// Both of the above: what the reader and "import" use.
std::optional<Jornada> ParseJornada(std::string_view text, std::string& problem);
