#include "jornada_document.h"

#include <cmath>

namespace {

using Json = JornadaDocument;

// A list or object this short stays on one line.
constexpr std::size_t LineWidth = 120;
constexpr int IndentStep = 2;
// Whole numbers up to 2^53 are exact in a double.
constexpr double LargestWholeNumber = 9007199254740992.0;

constexpr const char* JornadaKeys[] = {"round", "date",   "price",   "takings", "jackpot",
                                       "shares", "method", "matches", "prizes"};
constexpr const char* MatchKeys[] = {"home", "away", "odds", "probabilities", "public", "result"};

template <std::size_t N>
Json KeysInOrder(const Json& object, const char* const (&order)[N]) {
    if (!object.is_object()) return object;
    Json sorted = Json::object();
    for (const char* key : order)
        if (const auto found = object.find(key); found != object.end()) sorted[key] = *found;
    for (auto item = object.begin(); item != object.end(); ++item)
        if (!sorted.contains(item.key())) sorted[item.key()] = item.value();
    return sorted;
}

std::string Inline(const Json& value) {
    if (!value.is_structured()) return value.dump();
    std::string text(1, value.is_array() ? '[' : '{');
    bool first = true;
    for (auto item = value.begin(); item != value.end(); ++item) {
        if (!first) text += ", ";
        first = false;
        if (value.is_object()) text += Json(item.key()).dump() + ": ";
        text += Inline(item.value());
    }
    return text + (value.is_array() ? ']' : '}');
}

// `used` is how much of the line is taken before the value starts.
void Write(const Json& value, int indent, std::size_t used, bool expand, std::string& out) {
    const std::string flat = Inline(value);
    if (!value.is_structured() || value.empty() || (!expand && used + flat.size() <= LineWidth)) {
        out += flat;
        return;
    }
    const std::string inner(static_cast<std::size_t>(indent + IndentStep), ' ');
    out += value.is_array() ? "[\n" : "{\n";
    bool first = true;
    for (auto item = value.begin(); item != value.end(); ++item) {
        if (!first) out += ",\n";
        first = false;
        out += inner;
        std::size_t taken = inner.size();
        if (value.is_object()) {
            const std::string key = Json(item.key()).dump() + ": ";
            out += key;
            taken += key.size();
        }
        Write(item.value(), indent + IndentStep, taken, false, out);
    }
    out += "\n" + std::string(static_cast<std::size_t>(indent), ' ') + (value.is_array() ? ']' : '}');
}

}  // namespace

JornadaDocument NewJornadaDocument() {
    Json matches = Json::array();
    for (int m = 0; m < RowCount; ++m) matches.push_back(Json::object());
    return {{"matches", matches}};
}

std::string JornadaDocumentText(const JornadaDocument& document) {
    std::string text;
    Write(document, 0, 0, true, text);
    return text + "\n";
}

JornadaDocument ShownJornadaDocument(const JornadaDocument& document, const Jornada& jornada) {
    Json shown = document;
    const auto matches = shown.find("matches");
    if (matches == shown.end() || matches->is_null()) shown["matches"] = NewJornadaDocument()["matches"];
    const auto chances = MatchProbabilities(jornada);
    for (int m = 0; m < RowCount; ++m) {
        const SignFigures& p = chances[m];
        shown["matches"][static_cast<std::size_t>(m)]["probabilities"] = {p[0], p[1], p[2]};
    }
    return shown;
}

JornadaDocument JornadaKeysInOrder(const JornadaDocument& document) {
    Json sorted = KeysInOrder(document, JornadaKeys);
    if (const auto matches = sorted.find("matches"); matches != sorted.end() && matches->is_array())
        for (Json& match : *matches) match = MatchKeysInOrder(match);
    return sorted;
}

JornadaDocument MatchKeysInOrder(const JornadaDocument& match) { return KeysInOrder(match, MatchKeys); }

JornadaDocument JsonNumber(double value) {
    if (std::trunc(value) == value && std::fabs(value) <= LargestWholeNumber)
        return Json(static_cast<std::int64_t>(value));
    return Json(value);
}
