#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <vector>

#include "program_process.h"
#include "temp_folder.h"

namespace {

using Json = nlohmann::json;

using Outcome = ProcessOutcome;


// Thirteen matches played, all "1", which half the public backed; the last
// to play at 50 / 30 / 20 with the public alike. 100,000 euros at 1 euro a
// bet: 100,000 others.
std::string HandRound() {
    std::string matches;
    for (int m = 0; m < 14; ++m)
        matches += std::string(m ? "," : "") + R"({"probabilities": [50, 30, 20], "public": [50, 30, 20], "result": ")" +
                   (m < 13 ? "1" : "-") + "\"}";
    return R"({"price": 1, "takings": 100000, "matches": [)" + matches + "]}";
}

class ChancesCommandTest : public testing::Test {
protected:
    // A copy of the program in the test's folder, so that the jornada
    // beside it is the test's own.
    void SetUp() override { std::filesystem::copy_file(QUINIELA_PROGRAM, program_); }

    Outcome Quiniela(const std::vector<std::string>& args, const std::string& input = "") const {
        return RunProgramProcess(program_, args, folder_.path(), input);
    }
    void Bet(const std::string& text) const { ASSERT_EQ(Quiniela({"import", "--force", "--bet", bet_}, text).code, 0); }

    TempFolder folder_{"quiniela-chances"};
    std::string program_ = folder_ / "quiniela";
    std::string bet_ = folder_ / "1x2 - Jugada.log";
    std::string jornada_ = folder_ / "1x2 - Jornada.json";
};

TEST_F(ChancesCommandTest, AHandWorkedRoundInJsonAndInWords) {
    WriteFile(jornada_, HandRound());
    Bet("01 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n");
    const Outcome run = Quiniela({"chances", "--bet", bet_, "--columns", "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto json = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"bets", "cost_cents", "results", "probability", "expected_winners",
                                              "expected_prize", "value", "columns"}));
    EXPECT_EQ(json["bets"], 1);
    EXPECT_EQ(json["cost_cents"], 100);
    EXPECT_EQ(json["results"], 3);
    // The last match decides: "1" (half the time) is 14, "X" and "2" are 13.
    const std::vector<std::string> categories{"14", "13", "12", "11", "10"};
    std::vector<std::string> listed;
    for (const auto& [key, value] : json["probability"].items()) listed.push_back(key);
    EXPECT_EQ(listed, categories);  // in the order written
    const double probability[] = {0.5, 1, 1, 1, 1}, winners[] = {0.5, 0.5, 0, 0, 0};
    for (int k = 0; k < 5; ++k) {
        EXPECT_NEAR(json["probability"][categories[k]].get<double>(), probability[k], 1e-12) << categories[k];
        EXPECT_NEAR(json["expected_winners"][categories[k]].get<double>(), winners[k], 1e-12) << categories[k];
    }
    // A public bet hits all 14 with 0.5^14; 13 with 0.5^13 (0.7 + 13 * 0.3)
    // after an "X", 0.5^13 (0.8 + 13 * 0.2) after a "2". A winner's share
    // of a fund is (1 - e^-lambda) / lambda, lambda = 100,000 times that.
    const auto share = [](double lambda) { return (1 - std::exp(-lambda)) / lambda; };
    const double p14 = 0.5 * 16000 * share(1e5 * std::pow(0.5, 14));
    const double p13 = 0.3 * 7500 * share(1e5 * std::pow(0.5, 13) * 4.6) + 0.2 * 7500 * share(1e5 * std::pow(0.5, 13) * 3.4);
    const auto& prize = json["expected_prize"];
    EXPECT_NEAR(prize["14"].get<double>(), p14, 1e-9 * p14);
    EXPECT_NEAR(prize["13"].get<double>(), p13, 1e-9 * p13);
    for (const char* k : {"12", "11", "10"}) EXPECT_EQ(prize[k], 0.0);
    EXPECT_NEAR(prize["total"].get<double>(), p14 + p13, 1e-9 * (p14 + p13));
    EXPECT_NEAR(json["value"].get<double>(), p14 + p13, 1e-9 * (p14 + p13));  // one bet of 1 euro
    ASSERT_EQ(json["columns"].size(), 1u);
    const auto& column = json["columns"][0];
    EXPECT_EQ(column["column"], 1);
    EXPECT_DOUBLE_EQ(column["probability14"].get<double>(), 0.5);
    EXPECT_DOUBLE_EQ(column["public14"].get<double>(), std::pow(0.5, 14));
    EXPECT_DOUBLE_EQ(column["contra"].get<double>(), 8192);
    EXPECT_NEAR(column["expected_prize"].get<double>(), p14 + p13, 1e-9 * (p14 + p13));

    const Outcome text = Quiniela({"chances", "--bet", bet_, "--columns"});
    ASSERT_EQ(text.code, 0) << text.err;
    EXPECT_EQ(text.out,
              "1 apuesta (1,00 €) sobre 3 resultados\n"
              "Probabilidad: 14: 50,00 % · 13 o más: 100,00 % · 12 o más: 100,00 % · 11 o más: 100,00 % · "
              "10 o más: 100,00 %\n"
              "Acertantes esperados: 14: 0,5 · 13: 0,5 · 12: 0 · 11: 0 · 10: 0\n"
              "Premio esperado: 14: 1.307,79 € · 13: 76,21 € · 12: 0,00 € · 11: 0,00 € · 10: 0,00 €\n"
              "Valor esperado: 1.384,00 € (1.384,00 € por euro)\n"
              "Columna 01: 14: 1 entre 2 · público: 1 entre 16.384 · contra: 8.192,00 · premio esperado: 1.384,00 €\n");
}

TEST_F(ChancesCommandTest, TheResultGivenWinsOverTheJornadas) {
    WriteFile(jornada_, HandRound());
    Bet("01 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n02 X X X X X X X X X X X X X X\n");
    // Match 1 to play again, match 14 known: "X".
    const Outcome run = Quiniela({"chances", "--bet", bet_, "--json", "--result", "-111111111111X"});
    ASSERT_EQ(run.code, 0) << run.err;
    const Json json = Json::parse(run.out);
    EXPECT_EQ(json["results"], 3);
    EXPECT_DOUBLE_EQ(json["probability"]["14"].get<double>(), 0);
    EXPECT_DOUBLE_EQ(json["probability"]["13"].get<double>(), 0.5);
    EXPECT_DOUBLE_EQ(json["expected_winners"]["12"].get<double>(), 0.5);
    EXPECT_EQ(json["cost_cents"], 200);
}

TEST_F(ChancesCommandTest, WithoutAJornadaEverySignIsAThirdAndNoMoneyIsShown) {
    Bet("01 1 X 2 1 X 2 1 1 1 X 2 X 1 2\n05 1X 1 1 1 1 1 1 1 1 1 1 1 1 1\n");
    const Outcome run = Quiniela({"chances", "--bet", bet_, "--json", "--columns"});
    ASSERT_EQ(run.code, 0) << run.err;
    const Json json = Json::parse(run.out);
    EXPECT_EQ(json["results"], 4782969);
    EXPECT_EQ(json["bets"], 3);
    EXPECT_FALSE(json.contains("expected_prize") || json.contains("value"));
    // Three distinct simple bets: 3 results of 4,782,969 give one of them 14.
    EXPECT_NEAR(json["probability"]["14"].get<double>(), 3 / 4782969.0, 1e-9 * 3 / 4782969.0);
    // Each simple bet has 13 hits on 28 results.
    EXPECT_NEAR(json["expected_winners"]["13"].get<double>(), 3 * 28 / 4782969.0, 1e-9 * 84 / 4782969.0);
    const Json& second = json["columns"][1];
    EXPECT_EQ(second["column"], 5);
    EXPECT_NEAR(second["probability14"].get<double>(), 2 / 4782969.0, 1e-20);
    EXPECT_FALSE(second.contains("public14") || second.contains("contra") || second.contains("expected_prize"));

    const Outcome text = Quiniela({"chances", "--bet", bet_});
    EXPECT_EQ(text.out.substr(0, text.out.find('\n')), "3 apuestas (2,25 €) sobre 4.782.969 resultados");
    EXPECT_EQ(text.out.find("Valor esperado"), std::string::npos);
}

TEST_F(ChancesCommandTest, RefusesABadJornadaABadResultAndAMissingBetOrJornada) {
    Bet("01 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n");
    WriteFile(jornada_, R"({"matches": [{}, {}, {}, {}, {}, {}, {"odds": [1, 2, 3]}, {}, {}, {}, {}, {}, {}, {}]})");
    Outcome run = Quiniela({"chances", "--bet", bet_});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("partido 7: ", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);

    std::filesystem::remove(jornada_);
    run = Quiniela({"chances", "--bet", bet_, "--result", "1X 1 1 1 1 1 1 1 1 1 1 1 1 1"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("match 1"), std::string::npos) << run.err;

    run = Quiniela({"chances", "--bet", folder_ / "none.log"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Fichero NO existe"), std::string::npos) << run.err;

    run = Quiniela({"chances", "--bet", bet_, "--jornada", folder_ / "none.json"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("none.json"), std::string::npos) << run.err;
}

}  // namespace
