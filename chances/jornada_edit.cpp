#include "jornada_edit.h"

#include "jornada_document.h"
#include "scrutiny.h"

namespace {

using Json = JornadaDocument;

Json Figures(const SignFigures& figures) {
    return Json::array({JsonNumber(figures[0]), JsonNumber(figures[1]), JsonNumber(figures[2])});
}

// Merges the categories named into the object under `key`, keeping the others.
void SetCategories(Json& document, const char* key, const std::map<int, double>& figures) {
    if (figures.empty()) return;
    Json& object = document[key];
    if (!object.is_object()) object = Json::object();
    // From 14 down, as the categories are read.
    for (auto figure = figures.rbegin(); figure != figures.rend(); ++figure)
        object[std::to_string(figure->first)] = JsonNumber(figure->second);
}

void ApplyMatchChanges(Json& match, const MatchChanges& changes) {
    if (changes.home) match["home"] = *changes.home;
    if (changes.away) match["away"] = *changes.away;
    // Odds and probabilities of one match may not both stand.
    if (changes.odds) {
        match.erase("probabilities");
        match["odds"] = Figures(*changes.odds);
    }
    if (changes.probabilities) {
        match.erase("odds");
        match["probabilities"] = Figures(*changes.probabilities);
    }
    if (changes.publicShares) match["public"] = Figures(*changes.publicShares);
    if (changes.result) match["result"] = SignsText(*changes.result);
    match = MatchKeysInOrder(match);
}

}  // namespace

void ApplyJornadaChanges(JornadaDocument& document, const JornadaChanges& changes) {
    if (changes.round) document["round"] = *changes.round;
    if (changes.date) document["date"] = *changes.date;
    if (changes.price) document["price"] = JsonNumber(*changes.price);
    if (changes.takings) document["takings"] = JsonNumber(*changes.takings);
    if (changes.jackpot) document["jackpot"] = JsonNumber(*changes.jackpot);
    if (changes.method) document["method"] = *changes.method;
    SetCategories(document, "shares", changes.shares);
    SetCategories(document, "prizes", changes.prizes);
    if (!changes.match) return;
    Json& matches = document["matches"];
    if (!matches.is_array()) matches = NewJornadaDocument()["matches"];
    ApplyMatchChanges(matches[static_cast<std::size_t>(*changes.match - 1)], changes.matchChanges);
}
