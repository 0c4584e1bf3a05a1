#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>
#include <vector>

#include "program_process.h"
#include "temp_folder.h"

namespace {

using Json = nlohmann::json;

using Outcome = ProcessOutcome;


const char* const Forecast = "1X2 1X2 1X2 1X2 1X 1 1 1 1 1 1 1 1 1";

// A week with chances, the public and the takings for every match but
// those `withoutPublic` names (1-based; 0 for none), at 0,50 € a bet.
std::string Round(int withoutPublic = 0) {
    std::string matches;
    for (int m = 1; m <= 14; ++m) {
        matches += std::string(m > 1 ? "," : "") + R"({"probabilities": [)" + std::to_string(40 + m) + ", 30, " +
                   std::to_string(30 - m) + "]";
        if (m != withoutPublic) matches += R"(, "public": [60, 25, 15])";
        matches += "}";
    }
    return R"({"price": 0.5, "takings": 1500000, "matches": [)" + matches + "]}";
}

class BudgetCommandTest : public testing::Test {
protected:
    // A copy of the program in the test's folder, so that the jornada
    // beside it is the test's own (none unless the test writes one).
    void SetUp() override { std::filesystem::copy_file(QUINIELA_PROGRAM, program_); }

    Outcome Quiniela(const std::vector<std::string>& args) const {
        return RunProgramProcess(program_, args, folder_.path());
    }

    TempFolder folder_{"quiniela-budget"};
    std::string program_ = folder_ / "quiniela";
    std::string bet_ = folder_ / "1x2 - Jugada.log";
    std::string jornada_ = folder_ / "1x2 - Jornada.json";
};

TEST_F(BudgetCommandTest, BadBudgetsAndConditionsWithoutTheirFiguresAreRefusedWithTheBetUntouched) {
    ASSERT_EQ(Quiniela({"system", "1 1 1 1 1 1 1 1 1 1 1 1 1 1", "--write", "--bet", bet_}).code, 0);
    const std::string before = ReadFile(bet_);
    const auto refused = [&](std::vector<std::string> extra, const std::string& says) {
        std::vector<std::string> args{"system", Forecast, "--guarantee", "13", "--write", "--force", "--bet", bet_};
        args.insert(args.end(), extra.begin(), extra.end());
        const Outcome run = Quiniela(args);
        EXPECT_EQ(run.code, 2) << extra.front();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(bet_), before);
    };
    refused({"--bets", "0"}, "--bets: '0'");
    refused({"--bets", "12a"}, "--bets: '12a'");
    refused({"--budget", "0,70"}, "0,70 € does not buy one bet at 0,75 €");
    refused({"--budget", "treinta"}, "--budget: 'treinta'");
    refused({"--min-probability", "1/0"}, "--min-probability: '1/0'");
    refused({"--min-contra", "-2"}, "--min-contra: '-2'");
    refused({"--min-value", "1.2"}, "--min-value: needs the jornada's chances");
    refused({"--min-probability", "1/500000"}, "--min-probability: needs the jornada's chances");

    WriteFile(jornada_, Round(3));
    refused({"--min-contra", "1.2"}, "--min-contra: partido 3: the jornada has no public shares");
    refused({"--budget", "0,40"}, "0,40 € does not buy one bet at 0,50 €");  // the jornada's price
    WriteFile(jornada_, R"({"matches": [)" + std::string("{}") + std::string(13 * 3, ' ') + "]}");
    refused({"--bets", "5"}, "deben ser 14");  // a bad jornada stops a budget
}

TEST_F(BudgetCommandTest, TheBudgetsFiguresAreThoseOfTheChancesCommandForTheSameBet) {
    WriteFile(jornada_, Round());
    // Searches of a moment: each run's figures are checked against its own bet.
    const Outcome run = Quiniela({"system", Forecast, "--guarantee", "13", "--budget", "4", "--json", "--write",
                                  "--bet", bet_, "--seconds", "0.2"});
    ASSERT_EQ(run.code, 0) << run.err;
    const Json json = Json::parse(run.out);
    EXPECT_EQ(json["budget_bets"], 8);  // 4 euros at the jornada's 0,50
    EXPECT_LE(json["bets"].get<int>(), 8);
    EXPECT_EQ(json["cost_cents"], json["bets"].get<int>() * 50);
    EXPECT_GT(json["coverage"].get<double>(), 0.0);
    EXPECT_LT(json["coverage"].get<double>(), 1.0);  // 162 outcomes, 8 bets of 9 reach at most 72

    const Outcome chances = Quiniela({"chances", "--bet", bet_, "--json"});
    ASSERT_EQ(chances.code, 0) << chances.err;
    const Json alone = Json::parse(chances.out);
    for (const char* key : {"probability", "expected_prize"})
        for (const auto& [category, figure] : alone[key].items())
            EXPECT_NEAR(json[key][category].get<double>(), figure.get<double>(), 1e-12 * figure.get<double>())
                << key << " " << category;
    EXPECT_NEAR(json["value"].get<double>(), alone["value"].get<double>(), 1e-12);

    // In words: the coverage as a share, the chances and value as "chances" says them.
    const Outcome text = Quiniela({"system", Forecast, "--guarantee", "13", "--budget", "4", "--write", "--force",
                                   "--bet", bet_, "--seconds", "0.2"});
    ASSERT_EQ(text.code, 0) << text.err;
    std::smatch coverage;
    ASSERT_TRUE(std::regex_search(text.out, coverage,
                                  std::regex("\n# Cobertura: (\\d+),(\\d\\d) % de los resultados del pronóstico con 13 "
                                             "aciertos o más\n")));
    const double shown = std::stod(coverage[1].str() + "." + coverage[2].str());
    EXPECT_GT(shown, 0.0);
    EXPECT_LT(shown, 100.0);
    const Outcome words = Quiniela({"chances", "--bet", bet_});
    for (const char* line : {"Probabilidad: ", "Valor esperado: "}) {
        const auto at = words.out.find(line);
        ASSERT_NE(at, std::string::npos);
        EXPECT_NE(text.out.find("\n# " + words.out.substr(at, words.out.find('\n', at) - at + 1)), std::string::npos)
            << line;
    }
}

TEST_F(BudgetCommandTest, AGuaranteeCoversAllAndABudgetThatBuysItGetsIt) {
    const std::string forecast = "1X2 1X2 1X2 1X 1 1 1 1 1 1 1 1 1 1";
    const Outcome guarantee = Quiniela({"system", forecast, "--guarantee", "12", "--json"});
    ASSERT_EQ(guarantee.code, 0) << guarantee.err;
    const Json plain = Json::parse(guarantee.out);
    EXPECT_EQ(plain["coverage"], 1.0);
    EXPECT_TRUE(plain["budget_bets"].is_null());
    EXPECT_FALSE(plain.contains("expected_prize"));  // no jornada, no money

    const Outcome budget = Quiniela({"system", forecast, "--guarantee", "12", "--bets", "100", "--json", "--price", "1"});
    ASSERT_EQ(budget.code, 0) << budget.err;
    const Json bought = Json::parse(budget.out);
    EXPECT_EQ(bought["columns"], plain["columns"]);
    EXPECT_EQ(bought["coverage"], 1.0);
    EXPECT_EQ(bought["budget_bets"], 100);
    EXPECT_EQ(bought["cost_cents"], plain["bets"].get<int>() * 100);
}

}  // namespace
