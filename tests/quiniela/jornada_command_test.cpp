#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "locking_process.h"
#include "program_process.h"
#include "temp_folder.h"

namespace {

using Json = nlohmann::json;

using Outcome = ProcessOutcome;


std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// A round as a player would write it: unknown keys, its own layout.
const char* const Round = R"({"round": 23, "note": "peña del bar",
 "matches": [{"home": "Betis", "away": "Sevilla", "odds": [2.7, 2.3, 4.4], "public": [52, 30, 18], "result": "1"},
  {"home": "Cádiz", "away": "Elche", "probabilities": [36, 42, 22], "result": "X", "tv": "DAZN"},
  {"probabilities": [52, 30, 17]}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}],
 "prizes": {"14": 0, "13": 45213.10, "12": 812.40, "11": 56.20, "10": 6.10}}
)";

class JornadaCommandTest : public testing::Test {
protected:
    Outcome Run(const std::string& program, const std::vector<std::string>& args, const std::string& input) const {
        return RunProgramProcess(program, args, folder_.path(), input);
    }
    // "quiniela jornada ARGS --jornada FILE".
    Outcome Jornada(std::vector<std::string> args, const std::string& input = "") const {
        args.insert(args.begin(), "jornada");
        args.insert(args.begin() + 2, {"--jornada", file_});
        return Run(QUINIELA_PROGRAM, args, input);
    }

    TempFolder folder_{"quiniela-jornada"};
    std::string file_ = folder_ / "1x2 - Jornada.json";
};

TEST_F(JornadaCommandTest, ShowJsonGivesTheChancesInUse) {
    WriteFile(file_, Round);
    const Outcome shown = Jornada({"show", "--json"});
    ASSERT_EQ(shown.code, 0) << shown.err;
    const Json json = Json::parse(shown.out);
    const Json& matches = json["matches"];
    // Shin's method on 2.7 / 2.3 / 4.4, as published for it.
    const double shin[3] = {0.35934392, 0.42324385, 0.21741223};
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(matches[0]["probabilities"][i].get<double>(), shin[i], 1e-8);
    EXPECT_EQ(matches[0]["odds"], Json::parse("[2.7, 2.3, 4.4]"));
    // Per cent to fractions: 36/42/22 sums 100; 52/30/17 sums 99.
    EXPECT_NEAR(matches[1]["probabilities"][0].get<double>(), 0.36, 1e-15);
    EXPECT_NEAR(matches[1]["probabilities"][2].get<double>(), 0.22, 1e-15);
    EXPECT_NEAR(matches[2]["probabilities"][0].get<double>(), 0.525252525252525, 1e-14);
    EXPECT_NEAR(matches[2]["probabilities"][2].get<double>(), 0.171717171717172, 1e-14);
    EXPECT_NEAR(matches[13]["probabilities"][1].get<double>(), 0.333333333333333, 1e-14);
    // The rest as the file has it.
    EXPECT_EQ(json["note"], "peña del bar");
    EXPECT_EQ(matches[1]["tv"], "DAZN");
    EXPECT_EQ(json["prizes"]["13"], 45213.10);
}

TEST_F(JornadaCommandTest, ShowInWords) {
    WriteFile(file_, Round);
    const Outcome shown = Jornada({"show"});
    ASSERT_EQ(shown.code, 0) << shown.err;
    const std::string& out = shown.out;
    EXPECT_EQ(out.substr(0, out.find('\n')), "Jornada 23");
    EXPECT_NE(out.find("\nPartido 01: Betis - Sevilla; 1: 35,93 %, X: 42,32 %, 2: 21,74 % (cuotas 2,7 / 2,3 / 4,4); "
                       "público 1: 52,00 %, X: 30,00 %, 2: 18,00 %; resultado: 1\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\nPartido 03: 1: 52,53 %, X: 30,30 %, 2: 17,17 %; por jugar\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nPartido 14: 1: 33,33 %, X: 33,33 %, 2: 33,33 % (sin datos); por jugar\n"), std::string::npos);
    EXPECT_NE(out.find("\nPrecio: 0,75 € la apuesta\nRecaudación: sin dar; bote: 0,00 €\n"), std::string::npos);
    EXPECT_NE(out.find("\nPremios: 14: 0,00 €, 13: 45.213,10 €, 12: 812,40 €, 11: 56,20 €, 10: 6,10 €\n"),
              std::string::npos);

    std::filesystem::remove(file_);
    const Outcome missing = Jornada({"show"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("Fichero NO existe"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(JornadaCommandTest, SetChangesWhatItNamesAndKeepsTheRest) {
    // A missing jornada is created with fourteen matches.
    const Outcome created = Jornada(Words("set --round 22 --takings 2200000 --match 14 --away Elche --result x"));
    ASSERT_EQ(created.code, 0) << created.err;
    Json json = Json::parse(ReadFile(file_));
    EXPECT_EQ(json["round"], 22);
    EXPECT_EQ(json["takings"], 2200000);
    ASSERT_EQ(json["matches"].size(), 14u);
    EXPECT_EQ(json["matches"][13], Json::parse(R"({"away": "Elche", "result": "X"})"));
    EXPECT_EQ(json["matches"][0], Json::object());

    WriteFile(file_, Round);
    const Outcome set = Jornada(Words("set --price 0,5 --prizes 13=45000 --shares 14=15 --match 1 "
                                      "--probabilities 40,35,25 --result -"));
    ASSERT_EQ(set.code, 0) << set.err;
    json = Json::parse(ReadFile(file_));
    Json expected = Json::parse(Round);
    expected["price"] = 0.5;
    expected["prizes"]["13"] = 45000;
    expected["shares"] = {{"14", 15}};
    expected["matches"][0] = Json::parse(
        R"({"home": "Betis", "away": "Sevilla", "probabilities": [40, 35, 25], "public": [52, 30, 18], "result": "-"})");
    EXPECT_EQ(json, expected);

    // Odds take the place of the probabilities, and a second set keeps the first.
    ASSERT_EQ(Jornada(Words("set --match 2 --odds 1.5,4,6.5 --method power")).code, 0);
    json = Json::parse(ReadFile(file_));
    EXPECT_EQ(json["matches"][1], Json::parse(R"({"home": "Cádiz", "away": "Elche", "odds": [1.5, 4, 6.5],
                                                  "result": "X", "tv": "DAZN"})"));
    EXPECT_EQ(json["method"], "power");
    EXPECT_EQ(json["matches"][0]["probabilities"], Json::parse("[40, 35, 25]"));
}

TEST_F(JornadaCommandTest, BadInputExitsTwoAndLeavesTheFileAsItWas) {
    WriteFile(file_, Round);
    const std::vector<std::pair<std::string, std::string>> sets = {  // arguments, the line on stderr
        {"set --match 7 --odds 2.7,1,4.4", "partido 7: cuotas: cada cuota debe ser mayor que 1\n"},
        {"set --match 3 --odds 1.2,4,30 --method additive",
         "partido 3: cuotas: el método additive da una probabilidad negativa\n"},
        {"set --match 2 --public 52,30,16", "partido 2: público: suman 98 y deben sumar de 99 a 101\n"},
        {"set --match 2 --probabilities 71,30,-1", "partido 2: probabilidades: ninguna cifra puede ser negativa\n"},
        {"set --shares 12=-7.5", "reparto: 12: debe ser 0 o más\n"},
        {"set --method logit", "método: \"logit\" no es multiplicative, additive, power, shin ni odds-ratio\n"},
        {"set --price 0", "precio: debe ser mayor que 0\n"},
        {"set --takings -1", "recaudación: debe ser 0 o más\n"},
        {"set --prizes 11=-56.2", "premios: 11: debe ser 0 o más\n"},
        {"set --round 0", "jornada: debe ser un número entero de 1 en adelante\n"},
        {"set --match 1 --result 3", "--result: '3' is not 1, X, 2 or - (still to play)\n"},
        {"set --match 1 --odds 2.7,2.3", "--odds: '2.7,2.3' is not three numbers A,B,C (1, X and 2)\n"},
        {"set --prizes 9=1", "--prizes: '9=1' is not HITS=FIGURE with HITS from 14 down to 10\n"},
        {"set --match 15 --home A", ""},
        {"set --home A", ""},
        {"set --match 1 --odds 2,3,4 --probabilities 30,30,40", ""},
    };
    for (const auto& [arguments, line] : sets) {
        const Outcome run = Jornada(Words(arguments));
        EXPECT_EQ(run.code, 2) << arguments;
        if (!line.empty()) {
            EXPECT_EQ(run.err, line) << arguments;
        }
        EXPECT_EQ(ReadFile(file_), Round) << arguments;
    }

    const std::string matches13 = R"({"matches": [{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}]})";
    const std::vector<std::pair<std::string, std::string>> imports = {  // input, the line on stderr
        {"{\"round\": 23,", "no es JSON (línea 1, columna 14)\n"},
        {matches13, "partidos: hay 13 y deben ser 14\n"},
        {R"({"method": "shin", "shares": {"10": "9"}})", "reparto: 10: debe ser un número\n"},
        {std::string(Round).replace(std::string(Round).find("\"result\": \"1\""), 13, "\"result\": \"Y\""),
         "partido 1: resultado: \"Y\" no es 1, X, 2 ni -\n"},
        {std::string(Round).replace(std::string(Round).find("\"public\""), 8, "\"probabilities\""),
         "partido 1: cuotas y probabilidades: da solo unas u otras\n"},
        {"{}" + std::string((1 << 20) - 1, ' '), "la jornada pasa de 1 MiB\n"},
    };
    for (const auto& [input, line] : imports) {
        const Outcome run = Jornada({"import", "--force"}, input);
        EXPECT_EQ(run.code, 2) << input.substr(0, 100);
        EXPECT_EQ(run.err, line);
        EXPECT_EQ(ReadFile(file_), Round);
    }

    // A bad file is told as it is, and not changed by a set.
    const std::string bad = std::string(Round).replace(std::string(Round).find("2.3"), 3, "0.3");
    WriteFile(file_, bad);
    for (const char* arguments : {"show", "show --json", "set --round 24"}) {
        const Outcome run = Jornada(Words(arguments));
        EXPECT_EQ(run.code, 2) << arguments;
        EXPECT_EQ(run.err, "partido 1: cuotas: cada cuota debe ser mayor que 1\n") << arguments;
        EXPECT_EQ(ReadFile(file_), bad);
    }
    // So is a file over 1 MiB, however good its JSON.
    const std::string large = Round + std::string(1 << 20, ' ');
    WriteFile(file_, large);
    for (const char* arguments : {"show", "set --round 24"}) {
        const Outcome run = Jornada(Words(arguments));
        EXPECT_EQ(run.code, 2) << arguments;
        EXPECT_EQ(run.err, "el fichero de la jornada pasa de 1 MiB\n");
        EXPECT_EQ(ReadFile(file_), large);
    }
}

TEST_F(JornadaCommandTest, ImportReplacesOnlyWithForce) {
    const std::string source = folder_ / "round.json";
    WriteFile(source, Round);
    ASSERT_EQ(Jornada({"import", source}).code, 0);
    EXPECT_EQ(ReadFile(file_), Round);  // as given, layout and all

    const std::string next = R"({"round": 24})";
    const Outcome unforced = Jornada({"import"}, next);
    EXPECT_EQ(unforced.code, 1);
    EXPECT_NE(unforced.err.find("use --force"), std::string::npos) << unforced.err;
    EXPECT_EQ(ReadFile(file_), Round);
    ASSERT_EQ(Jornada({"import", "--force"}, next).code, 0);
    EXPECT_EQ(ReadFile(file_), next);
    EXPECT_EQ(Jornada({"import", folder_ / "no-such.json", "--force"}).code, 2);
    EXPECT_EQ(ReadFile(file_), next);
}

TEST_F(JornadaCommandTest, ReadOnlyHeldAndUnwritableAreRefusedWithTheErrorText) {
    WriteFile(file_, Round);
    chmod(file_.c_str(), 0444);
    EXPECT_EQ(Jornada({"show"}).code, 0);  // reading needs no write access
    for (const std::vector<std::string>& args : {Words("set --round 24"), Words("import --force")}) {
        const Outcome run = Jornada(args, "{}");
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err, "Err:  70 Permission denied\n");
        EXPECT_EQ(ReadFile(file_), Round);
    }
    chmod(file_.c_str(), 0644);
    {
        LockingProcess holder(file_);
        const Outcome run = Jornada(Words("set --round 24"));
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err, "Err:  70 Permission denied\n");
    }
    chmod(folder_.path().c_str(), 0555);
    const Outcome run = Jornada(Words("set --round 24"));
    chmod(folder_.path().c_str(), 0755);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "Err:  70 Permission denied\n");
    EXPECT_EQ(ReadFile(file_), Round);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 4);  // + in, out, err
}

TEST_F(JornadaCommandTest, CheckTakesTheJornadasResultsAndPrizes) {
    const std::string bet = folder_ / "bet.log";
    const std::vector<std::string> check = {"check", "--bet", bet, "--jornada", file_};
    ASSERT_EQ(Run(QUINIELA_PROGRAM, {"import", "--bet", bet},
                  "01 1 X 2 1 X 2 1 1 1 X 2 X 1 2\n03 1X X2 12 1X 1 2 1 1 1 X 2 X 1 2\n")
                  .code,
              0);
    // Neither a result typed nor one in the jornada.
    Outcome run = Run(QUINIELA_PROGRAM, check, "");
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("no jornada"), std::string::npos) << run.err;
    ASSERT_EQ(Jornada(Words("set --price 0.5 --prizes 13=45213.10,12=812.40,11=56.20,10=6.10")).code, 0);
    EXPECT_EQ(Run(QUINIELA_PROGRAM, check, "").code, 2);

    // Twelve matches played, 13 and 14 to play.
    const char* const played = "1X21X2111X2X";
    for (int m = 0; m < 12; ++m)
        ASSERT_EQ(Jornada({"set", "--match", std::to_string(m + 1), "--result", std::string(1, played[m])}).code, 0);
    run = Run(QUINIELA_PROGRAM, check, "");
    ASSERT_EQ(run.code, 0) << run.err;
    // Column 01 hits all twelve and may reach 14. Column 03 misses match 5,
    // hits 6 to 12, and on each of matches 1 to 4 one of its two signs hits:
    // 7 + j hits for C(4, j) of its simple bets; k needs k - 2 so far.
    EXPECT_EQ(run.out,
              "Columna 01: 12 aciertos (3ª categoría), 2 por jugar, 812,40 €\n"
              "Columna 03: 16 apuestas, hasta 11 aciertos (4ª: 1, 5ª: 4), 2 por jugar, 80,60 €\n"
              "Total: 17 apuestas, 6 premios, 893,00 € (jugado 8,50 €)\n"
              "Vivas: 14: 1 · 13: 2 · 12: 6 · 11: 12 · 10: 16\n");

    // A typed result wins over the jornada's.
    std::vector<std::string> typed = check;
    typed.insert(typed.end(), {"1X21X2111X2X12", "--json"});
    run = Run(QUINIELA_PROGRAM, typed, "");
    ASSERT_EQ(run.code, 0) << run.err;
    const Json json = Json::parse(run.out);
    EXPECT_EQ(json["columns"][0]["prize_cents"], 0);
    EXPECT_EQ(json["columns"][1]["prize_cents"], 4882430);  // 45.213,10 + 4 · 812,40 + 6 · 56,20 + 4 · 6,10
    EXPECT_EQ(json["totals"]["prize_cents"], 4882430);
    EXPECT_EQ(json["totals"]["cost_cents"], 850);
    EXPECT_FALSE(json.contains("alive"));

    // A bad jornada is told, and the typed result still checked without euros.
    WriteFile(file_, R"({"price": 0})");
    typed.pop_back();
    run = Run(QUINIELA_PROGRAM, typed, "");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "precio: debe ser mayor que 0 (" + file_ + ")\n");
    EXPECT_EQ(run.out.substr(run.out.rfind("Total")), "Total: 17 apuestas; 1ª: 1, 2ª: 1, 3ª: 4, 4ª: 6, 5ª: 4\n");
    EXPECT_EQ(Run(QUINIELA_PROGRAM, check, "").code, 2);
}

TEST_F(JornadaCommandTest, TheDefaultFileLivesBesideTheProgram) {
    // A copy of the program in the test's folder keeps its jornada there.
    const std::string program = folder_ / "quiniela";
    std::filesystem::copy_file(QUINIELA_PROGRAM, program);
    const Outcome set = Run(program, Words("jornada set --match 5 --home Osasuna"), "");
    ASSERT_EQ(set.code, 0) << set.err;
    EXPECT_EQ(Json::parse(ReadFile(file_))["matches"][4]["home"], "Osasuna");
    EXPECT_NE(Run(program, Words("jornada show"), "").out.find("\nPartido 05: Osasuna - ?; 1: 33,33 %"),
              std::string::npos);
}

}  // namespace
