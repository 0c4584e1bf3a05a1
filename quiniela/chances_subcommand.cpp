#include "chances_subcommand.h"

#include <CLI/CLI.hpp>
#include <bit>
#include <iostream>
#include <nlohmann/json.hpp>

#include "bet_chances.h"
#include "bet_text.h"
#include "chance_text.h"
#include "column_chances.h"
#include "commands.h"
#include "figure_text.h"
#include "jornada_file.h"
#include "jornada_trouble.h"
#include "number_text.h"
#include "result_arguments.h"

namespace {

using Json = nlohmann::ordered_json;

// The model from the jornada file: its absence leaves every sign at 1/3
// without money, unless it was named. Nothing after telling why on stderr.
std::optional<ChanceModel> ReadModel(const ChancesOptions& options, int& exitCode) {
    const JornadaRead read = ReadJornada(options.jornadaFile);
    const JornadaTrouble trouble = TroubleWith(read, options.jornadaFile, options.jornadaNamed);
    if (!trouble.line.empty()) {
        std::cerr << trouble.line << "\n";
        exitCode = trouble.exit;
        return std::nullopt;
    }
    return read.status == JornadaStatus::Read ? ChanceModelOf(read.jornada) : UniformChanceModel();
}

// One sign or "-" per match; nothing after telling why on stderr.
std::optional<MatchSigns> ParseResult(const std::string& text) {
    std::string error;
    const auto result = ParseMatchSigns(text, true, error);
    if (!result) {
        std::cerr << "--result: " << error << "\n";
        return std::nullopt;
    }
    for (int m = 0; m < RowCount; ++m)
        if (std::popcount(static_cast<unsigned>((*result)[m])) > 1) {
            std::cerr << "--result: match " << m + 1 << ": one sign or '-' (still to play)\n";
            return std::nullopt;
        }
    return result;
}

Json CategoryJson(const CategoryFigures& figures) {
    Json object = Json::object();
    for (int k = 0; k < PrizeCategories; ++k) object[std::to_string(FirstCategoryHits - k)] = figures[k];
    return object;
}

template <typename T>
Json OrNull(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

void PrintJson(const BetChances& chances, const std::vector<ColumnChances>* columns) {
    Json json = {{"bets", chances.bets},
                 {"cost_cents", chances.costCents},
                 {"results", chances.results},
                 {"probability", CategoryJson(chances.probability)},
                 {"expected_winners", CategoryJson(chances.expectedWinners)}};
    if (chances.expectedPrize) {
        json["expected_prize"] = CategoryJson(*chances.expectedPrize);
        json["expected_prize"]["total"] = chances.expectedTotal;
        json["value"] = OrNull(chances.value);
    }
    if (columns != nullptr) {
        Json list = Json::array();
        for (const ColumnChances& column : *columns) {
            Json one = {{"column", column.column + 1}, {"probability14", column.probability14}};
            if (column.public14) {
                one["public14"] = *column.public14;
                one["contra"] = OrNull(column.contra);
            }
            if (column.expectedPrize) one["expected_prize"] = *column.expectedPrize;
            list.push_back(one);
        }
        json["columns"] = list;
    }
    std::cout << json.dump() << "\n";
}

std::string Count(std::uint64_t n, const char* one, const char* many) {
    return GroupedNumber(n) + " " + (n == 1 ? one : many);
}

void PrintText(const BetChances& chances, const std::vector<ColumnChances>* columns) {
    std::cout << Count(chances.bets, "apuesta", "apuestas") << " (" << EuroText(chances.costCents) << ") sobre "
              << Count(chances.results, "resultado", "resultados") << "\n"
              << "Probabilidad: " << ProbabilityText(chances) << "\n"
              << "Acertantes esperados: " << WinnersText(chances) << "\n";
    if (chances.expectedPrize)
        std::cout << "Premio esperado: " << PrizeText(chances) << "\n"
                  << "Valor esperado: " << ValueText(chances) << "\n";
    if (columns == nullptr) return;
    for (const ColumnChances& column : *columns) {
        std::cout << "Columna " << ColumnNumberText(column.column) << ": 14: " << OneInText(column.probability14);
        if (column.public14) std::cout << " · público: " << OneInText(*column.public14);
        if (column.contra) std::cout << " · contra: " << RatioText(*column.contra);
        if (column.expectedPrize) std::cout << " · premio esperado: " << EurosText(*column.expectedPrize);
        std::cout << "\n";
    }
}

}  // namespace

CLI::App* AddChancesCommand(CLI::App& app, ChancesOptions& o) {
    CLI::App* command = app.add_subcommand(
        "chances", "Print the bet's chances of each prize and its expected value over every result still possible.");
    command->add_option("--bet", o.betFile, "bet file")->capture_default_str();
    command->add_option_function<std::string>(
        "--jornada",
        [&o](const std::string& file) {
            o.jornadaFile = file;
            o.jornadaNamed = true;
        },
        "jornada file (default: beside the programs; without it every sign 1/3)");
    command->add_option("--result", o.result,
                        "the results known, in the notation of \"check\" (\"1X2-...\", - still to play); "
                        "they replace the jornada's");
    command->add_flag("--columns", o.columns, "add each column's chance of 14, the public's, their ratio and its prize");
    command->add_flag("--json", o.json, "print JSON");
    return command;
}

int RunChancesCommand(ChancesOptions options) {
    std::optional<MatchSigns> result;
    if (options.result) {
        std::vector<std::string> words{*options.result};
        UndisguiseResults(words);
        result = ParseResult(words.front());
        if (!result) return ExitBadInput;
    }
    int exitCode = ExitDone;
    auto model = ReadModel(options, exitCode);
    if (!model) return exitCode;
    if (result) model->results = *result;
    const auto bet = ReadBet(options.betFile);
    if (!bet) return ExitFileFailure;

    const BetChances chances = ChancesOf(*bet, *model);
    std::vector<ColumnChances> columns;
    if (options.columns) columns = ColumnChancesOf(*bet, *model);
    if (options.json)
        PrintJson(chances, options.columns ? &columns : nullptr);
    else
        PrintText(chances, options.columns ? &columns : nullptr);
    return ExitDone;
}
