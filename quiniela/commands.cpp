#include "commands.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <vector>

#include "bet_file.h"
#include "bet_marks.h"
#include "alive_bets.h"
#include "bet_text.h"
#include "check_jornada.h"
#include "error_codes.h"
#include "guarantee.h"
#include "pending_error.h"
#include "program_folder.h"
#include "record_file.h"

namespace {

// Keys in the order written: prize categories read best from 14 down.
using Json = nlohmann::ordered_json;

Json MarksJson(const MatchSigns& marks) {
    Json list = Json::array();
    for (const SignSet signs : marks) list.push_back(SignsText(signs));
    return list;
}

Json PrizesJson(const PrizeCounts& prizes) {
    Json object = Json::object();
    for (int k = 0; k < PrizeCategories; ++k)
        object[std::to_string(FirstCategoryHits - k)] = prizes[k];
    return object;
}

void PrintJson(const Json& json) { std::cout << json.dump() << "\n"; }

std::optional<std::string> ReadAll(const std::string& textFile) {
    if (textFile.empty()) return std::string(std::istreambuf_iterator<char>(std::cin), {});
    std::ifstream in(textFile, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) return std::nullopt;
    return text;
}

}  // namespace

// Unlike the keepers, a missing bet is not created: reading leaves no trace.
std::optional<std::vector<BetColumn>> ReadBet(const std::string& betFile) {
    ClearPendingError();
    const int attributes = ReadAttributes(betFile);
    const int attributeError = TakePendingError();
    if (attributeError == ErrorNumber::FileNotFound ||
        attributeError == ErrorNumber::PathNotFound) {
        std::cerr << "No puedo leer fichero ... Fichero NO existe ... (" << betFile << ")\n";
        return std::nullopt;
    }
    if (attributeError != 0) {
        std::cerr << AppendFailureText(attributeError) << "\n";
        return std::nullopt;
    }
    if (attributes & Attribute::Folder) {
        std::cerr << "No puedo leer fichero ... " << betFile << " es una carpeta\n";
        return std::nullopt;
    }
    BetMarks marks;
    if (const int error = LoadBetMarks(betFile, marks)) {
        std::cerr << AppendFailureText(error) << "\n";
        return std::nullopt;
    }
    return MarkedColumns(marks);
}

int ShowBet(const std::string& betFile, bool json) {
    const auto columns = ReadBet(betFile);
    if (!columns) return ExitFileFailure;
    if (!json) {
        std::cout << BetText(*columns);
        return ExitDone;
    }
    Json list = Json::array();
    for (const BetColumn& column : *columns)
        list.push_back({{"column", column.column + 1}, {"marks", MarksJson(column.marks)}});
    PrintJson({{"columns", list}});
    return ExitDone;
}

int CheckBet(const std::string& betFile, const std::string& jornadaFile,
             const std::optional<std::string>& resultText, bool json) {
    std::string error;
    std::optional<MatchSigns> result;
    if (resultText) {
        result = ParseMatchSigns(*resultText, true, error);
        if (!result) {
            std::cerr << "result: " << error << "\n";
            return ExitBadInput;
        }
    }
    int exit = ExitDone;
    const auto jornada = ReadCheckJornada(jornadaFile, !result, exit);
    if (!jornada) return exit;
    if (!result) result = jornada->results;
    const auto columns = ReadBet(betFile);
    if (!columns) return ExitFileFailure;
    const Scrutiny scrutiny = Scrutinize(*columns, *result);
    const std::optional<CheckPrizes>& prizes = jornada->prizes;
    if (!json) {
        for (const ColumnScrutiny& column : scrutiny.columns)
            std::cout << CheckColumnLine(column, prizes) << "\n";
        std::cout << CheckTotalLines(scrutiny, prizes) << "\n";
        return ExitDone;
    }
    Json resultJson = Json::array();
    for (const SignSet signs : scrutiny.result)
        resultJson.push_back(signs == 0 ? "" : SignsText(signs));
    Json list = Json::array();
    for (const ColumnScrutiny& column : scrutiny.columns) {
        list.push_back({{"column", column.bet.column + 1},
                        {"marks", MarksJson(column.bet.marks)},
                        {"bets", column.bets},
                        {"hits", column.hits},
                        {"pending", column.pending},
                        {"prizes", PrizesJson(column.prizes)}});
        if (prizes) list.back()["prize_cents"] = PrizeCentsOf(column.prizes, prizes->prizes);
    }
    Json totals = {{"bets", scrutiny.bets}, {"prizes", PrizesJson(scrutiny.prizes)}};
    if (prizes) {
        totals["prize_cents"] = PrizeCentsOf(scrutiny.prizes, prizes->prizes);
        totals["cost_cents"] = CostCents(scrutiny.bets, *prizes);
    }
    Json out = {{"result", resultJson}, {"columns", list}, {"totals", totals}};
    if (PendingMatches(scrutiny.result) > 0) out["alive"] = PrizesJson(AliveBets(scrutiny));
    PrintJson(out);
    return ExitDone;
}

int ImportBet(const std::string& betFile, const std::string& textFile, bool force) {
    const auto text = ReadAll(textFile);
    if (!text) {
        std::cerr << "cannot read " << textFile << "\n";
        return ExitFileFailure;
    }
    std::string error;
    const auto columns = ParseBetText(*text, error);
    if (!columns) {
        std::cerr << error << "\n";
        return ExitBadInput;
    }
    if (!force && FileExists(betFile)) {
        std::cerr << "the bet file exists; use --force to replace it (" << betFile << ")\n";
        return ExitFileFailure;
    }
    // The keeper's record order, so that show | import gives the same bytes.
    const ReplaceOutcome outcome = ReplaceBet(betFile, BetRecordsOf(BetMarksOf(*columns)));
    if (outcome.held) {
        std::cerr << "No se ha podido borrar el fichero ... (" << betFile << ")\n";
        return ExitFileFailure;
    }
    if (outcome.error != 0) {
        std::cerr << AppendFailureText(outcome.error) << "\n";
        return ExitFileFailure;
    }
    return ExitDone;
}

int GuaranteeOfBet(const std::string& betFile, const std::optional<std::string>& forecastText,
                   bool json) {
    std::optional<MatchSigns> forecast;
    if (forecastText) {
        std::string error;
        forecast = ParseMatchSigns(*forecastText, false, error);
        if (!forecast) {
            std::cerr << "forecast: " << error << "\n";
            return ExitBadInput;
        }
    }
    const auto columns = ReadBet(betFile);
    if (!columns) return ExitFileFailure;
    const GuaranteeProfile profile =
        Guarantee(*columns, forecast ? *forecast : DefaultForecast(*columns));
    if (!json) {
        std::cout << GuaranteeText(profile) << "\n";
        return ExitDone;
    }
    Json best = Json::object();
    for (int k = RowCount; k >= 0; --k) best[std::to_string(k)] = profile.best[k];
    PrintJson({{"outcomes", profile.outcomes}, {"guarantee", profile.guarantee}, {"best", best}});
    return ExitDone;
}
