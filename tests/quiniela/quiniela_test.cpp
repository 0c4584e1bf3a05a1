#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <nlohmann/json.hpp>
#include <vector>

#include "bet_file.h"
#include "locking_process.h"
#include "program_process.h"
#include "temp_folder.h"

namespace {

using Json = nlohmann::json;
using Matches = std::array<const char*, 14>;
using Outcome = ProcessOutcome;

std::string BetBytes(const std::vector<BetRecord>& records) {
    const auto bytes = EncodeBet(records);
    return {bytes.begin(), bytes.end()};
}
// One column's records in the order the keepers store them: sign, then row.
void AddColumn(std::vector<BetRecord>& records, int column, const Matches& matches) {
    for (int s = 0; s < 3; ++s)
        for (int r = 0; r < 14; ++r)
            if (std::strchr(matches[r], "1X2"[s])) records.push_back({column, s, r});
}

// The week's result, and columns 01, 03 and 16 checked against it by hand.
constexpr Matches Result = {"1", "X", "2", "1", "X", "2", "1", "1", "1", "X", "2", "X", "1", "2"};
constexpr Matches Doubles = {"1X", "X2", "12", "1X", "1", "2", "1",
                             "1",  "1",  "X",  "2",  "X", "1", "2"};
constexpr Matches Incomplete = {"1X2", "X", "2", "1", "X", "2", "1",
                                "1",   "1", "X", "2", "X", "1", ""};
const char* const ShownBet =
    "01 1 X 2 1 X 2 1 1 1 X 2 X 1 2\n"
    "03 1X X2 12 1X 1 2 1 1 1 X 2 X 1 2\n"
    "16 1X2 X 2 1 X 2 1 1 1 X 2 X 1 -\n";

class QuinielaTest : public testing::Test {
protected:

    std::string WriteBet(bool withDoubles = true) {
        std::vector<BetRecord> records;
        AddColumn(records, 0, Result);
        if (withDoubles) AddColumn(records, 2, Doubles), AddColumn(records, 15, Incomplete);
        WriteFile(bet_, BetBytes(records));
        return ReadFile(bet_);
    }

    Outcome Quiniela(const std::vector<std::string>& args, const std::string& input = "") const {
        return RunProgramProcess(QUINIELA_PROGRAM, args, folder_, input);
    }

    TempFolder temp_{"quiniela"};
    std::string folder_ = temp_.path();
    std::string bet_ = folder_ + "1x2 - Jugada.log";
};

TEST_F(QuinielaTest, ShowAndImportRoundTripByteForByte) {
    const std::string original = WriteBet();
    const std::string copy = folder_ + "copy.log", text = folder_ + "bet.txt";
    EXPECT_EQ(Quiniela({"show", "--bet", bet_}).out, ShownBet);
    WriteFile(copy, BetBytes({{5, 0, 0}}));
    EXPECT_EQ(Quiniela({"import", "--bet", copy, "--force"}, ShownBet).code, 0);
    EXPECT_EQ(ReadFile(copy), original);

    // Records outside the bet's columns, signs and rows and a trailing
    // fragment are skipped.
    WriteFile(bet_, original + BetBytes({{100000, 0, 0}, {-1, 0, 0}, {1, 3, 0}, {1, 0, 14}}) + "\1\2");
    WriteFile(text, "# comment\n\n" + Quiniela({"show", "--bet", bet_}).out);
    EXPECT_EQ(Quiniela({"import", "--bet", folder_ + "new.log", text}).code, 0);
    EXPECT_EQ(ReadFile(folder_ + "new.log"), original);

    const Json json = Json::parse(Quiniela({"show", "--json", "--bet", bet_}).out);
    EXPECT_EQ(json["columns"][1], Json::parse(R"({"column": 3, "marks":
        ["1X","X2","12","1X","1","2","1","1","1","X","2","X","1","2"]})"));
}

TEST_F(QuinielaTest, CheckPrintsEachColumnAndTheTotal) {
    WriteBet();
    const Outcome text = Quiniela({"check", "1X21X2111X2X12", "--bet", bet_});
    EXPECT_EQ(text.code, 0);
    EXPECT_EQ(text.out,
              "Columna 01: 14 aciertos (1ª categoría)\n"
              "Columna 03: 16 apuestas, hasta 13 aciertos (2ª: 1, 3ª: 4, 4ª: 6, 5ª: 4)\n"
              "Columna 16: incompleta, 13 aciertos\n"
              "Total: 17 apuestas; 1ª: 1, 2ª: 1, 3ª: 4, 4ª: 6, 5ª: 4\n");

    // Fourteen shell words, a lower-case x and a match still to be played.
    std::vector<std::string> args{"check", "--json", "--bet", bet_};
    args.insert(args.end(), {"1", "x", "2", "1", "X", "2", "1", "1", "1", "X", "2", "X", "1", "-"});
    const Json json = Json::parse(Quiniela(args).out);
    EXPECT_EQ(json["result"][1], "X");
    EXPECT_EQ(json["result"][13], "");
    EXPECT_EQ(json["columns"][1], Json::parse(R"({"column": 3, "bets": 16, "hits": 12, "pending": 1,
        "marks": ["1X","X2","12","1X","1","2","1","1","1","X","2","X","1","2"],
        "prizes": {"14": 0, "13": 0, "12": 1, "11": 4, "10": 6}})"));
    EXPECT_EQ(json["totals"],
              Json::parse(R"({"bets":17,"prizes":{"14":0,"13":1,"12":1,"11":4,"10":6}})"));
}

TEST_F(QuinielaTest, GuaranteeOverTheBetsOwnSignsOrAGivenForecast) {
    WriteBet(false);
    const Json own = Json::parse(Quiniela({"guarantee", "--json", "--bet", bet_}).out);
    EXPECT_EQ(own["outcomes"], 1);
    EXPECT_EQ(own["guarantee"], 14);
    EXPECT_EQ(own["best"].size(), 15u);

    const std::string forecast = "1x, X, 2, 1, X, 2, 1, 1, 1, X, 2, X, 1, 2";
    const Json wider = Json::parse(Quiniela({"guarantee", forecast, "--json", "--bet", bet_}).out);
    EXPECT_EQ(wider["outcomes"], 2);
    EXPECT_EQ(wider["guarantee"], 13);
    EXPECT_EQ(wider["best"]["13"], 1);
    const std::string text = Quiniela({"guarantee", forecast, "--bet", bet_}).out;
    EXPECT_EQ(text.substr(0, text.find('\n')), "Garantía: 13 aciertos");
}

TEST_F(QuinielaTest, BadInputExitsTwoAndWritesNothing) {
    const std::string original = WriteBet();
    const std::string valid = "01 1 X 2 1 X 2 1 1 1 X 2 X 1 2\n";
    const std::string import = "import --force --bet";  // input on stdin
    const std::vector<std::array<std::string, 3>> cases = {  // arguments, input, message
        {"check 1X2 --bet", "", "result: expected 14 matches"},
        {"check 1X21X2111X2X1Z --bet", "", "unknown sign"},
        {"guarantee 1X21X2111X2X1- --bet", "", "forecast: match 14"},
        {import, valid + "100001 1 X 2 1 X 2 1 1 1 X 2 X 1 2", "line 2: column number"},
        {import, valid + "0 1 X 2 1 X 2 1 1 1 X 2 X 1 2", "line 2: column number"},
        {import, valid + "#\n1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "line 3: column 01 already given"},
        {import, "02 1 X 2 1 X 2 1 1 1 X 2 X 1", "line 1: expected 14 matches"},
        {import, valid + "\n02 1 X 2 1 X 2 1 1 3 X 2 X 1 2", "line 3: match 9"},
        {"import no-such-input.txt --force --bet", "", ""},
        {"show --unknown --bet", "", ""},
        {"check --bet", "", ""},
    };
    for (const auto& [arguments, input, message] : cases) {
        SCOPED_TRACE(arguments + " / " + input);
        std::vector<std::string> args;
        std::istringstream words(arguments);
        for (std::string word; words >> word;) args.push_back(word);
        args.push_back(bet_);
        const Outcome run = Quiniela(args, input);
        EXPECT_EQ(run.code, 2);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(bet_), original);
    }
    EXPECT_EQ(Quiniela({}).code, 2);
}

TEST_F(QuinielaTest, MissingHeldAndExistingBetsAreLeftAsTheyAre) {
    const Outcome missing = Quiniela({"show", "--bet", bet_});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("Fichero NO existe"), std::string::npos) << missing.err;
    EXPECT_EQ(Quiniela({"check", "1X21X2111X2X12", "--bet", bet_}).code, 1);
    EXPECT_FALSE(std::filesystem::exists(bet_));

    const std::string original = WriteBet();
    const Outcome unforced = Quiniela({"import", "--bet", bet_}, ShownBet);
    EXPECT_EQ(unforced.code, 1);
    EXPECT_NE(unforced.err.find("use --force"), std::string::npos) << unforced.err;
    {
        LockingProcess holder(bet_);
        const Outcome shown = Quiniela({"show", "--bet", bet_});
        EXPECT_EQ(shown.code, 1);
        EXPECT_EQ(shown.err, "Err:  70 Permission denied\n");
        const Outcome replaced = Quiniela({"import", "--force", "--bet", bet_}, "");
        EXPECT_EQ(replaced.code, 1);
        EXPECT_NE(replaced.err.find("No se ha podido borrar el fichero"), std::string::npos);
    }
    EXPECT_EQ(ReadFile(bet_), original);

    // Reading needs no write access; a folder that may not be written
    // refuses the replacement, even for root.
    chmod(bet_.c_str(), 0444);
    EXPECT_EQ(Quiniela({"show", "--bet", bet_}).out, ShownBet);
    chmod(folder_.c_str(), 0555);
    const Outcome refused = Quiniela({"import", "--force", "--bet", bet_}, ShownBet);
    chmod(folder_.c_str(), 0755);
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "Err:  70 Permission denied\n");
    EXPECT_EQ(ReadFile(bet_), original);
}

// The perfect ternary code over matches 1 to 13, match 14 fixed: 59,049
// columns, each outcome within one miss of exactly one. A column per
// information word: ten free matches, then three checks from the check
// matrix whose columns are the points of the plane over three elements.
std::string PerfectCodeText() {
    constexpr int Checks[10][3] = {{0, 1, 1}, {0, 1, 2}, {1, 0, 1}, {1, 0, 2}, {1, 1, 0},
                                   {1, 1, 1}, {1, 1, 2}, {1, 2, 0}, {1, 2, 1}, {1, 2, 2}};
    std::string text;
    for (int info = 0; info < 59049; ++info) {
        int word[13] = {};
        for (int j = 0, rest = info; j < 10; ++j, rest /= 3) {
            word[3 + j] = rest % 3;
            for (int i = 0; i < 3; ++i) word[i] += word[3 + j] * Checks[j][i];
        }
        for (int i = 0; i < 3; ++i) word[i] = (3 - word[i] % 3) % 3;
        text += (info < 9 ? "0" : "") + std::to_string(info + 1);
        for (const int sign : word) text += std::string(" ") + "1X2"[sign];
        text += " 1\n";
    }
    return text;
}

TEST_F(QuinielaTest, EveryCommandTakesEveryColumnOfALargeBet) {
    const std::string code = PerfectCodeText();
    ASSERT_EQ(Quiniela({"import", "--bet", bet_}, code).code, 0);
    EXPECT_EQ(std::filesystem::file_size(bet_), 59049u * 14 * BetRecordSize);
    EXPECT_EQ(Quiniela({"show", "--bet", bet_}).out, code);

    const Json guarantee = Json::parse(Quiniela({"guarantee", "--json", "--bet", bet_}).out);
    EXPECT_EQ(guarantee["outcomes"], 1594323);
    EXPECT_EQ(guarantee["guarantee"], 13);
    EXPECT_EQ(guarantee["best"]["14"], 59049);
    EXPECT_EQ(guarantee["best"]["13"], 1594323 - 59049);

    // A result with its first match still to be played, given as typed.
    // Only the all-"1" column hits the twelve played matches of 2 to 13; of
    // the columns three misses from it, the 24 that differ on match 1 miss two.
    const Outcome check = Quiniela({"check", "-1111111111111", "--bet", bet_});
    EXPECT_EQ(check.code, 0) << check.err;
    const std::string& out = check.out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 59049 + 2);  // the total and the bets alive
    EXPECT_EQ(out.substr(0, out.find('\n')), "Columna 01: 13 aciertos (2ª categoría), 1 por jugar");
    EXPECT_NE(out.find("\nColumna 59049: "), std::string::npos);
    const std::string total = out.substr(out.rfind("Total"));
    EXPECT_EQ(total.substr(0, total.find(" 5ª")), "Total: 59049 apuestas; 2ª: 1, 4ª: 24,");
    // With match 1 to play, the all-"1" column may still reach 14, and the 24
    // columns two misses from it 12.
    const std::string alive = out.substr(out.rfind("Vivas"));
    EXPECT_EQ(alive.substr(0, alive.find(" · 11:")), "Vivas: 14: 1 · 13: 1 · 12: 25");
}

TEST_F(QuinielaTest, ColumnNumbersOfAnyLength) {
    const Outcome imported =
        Quiniela({"import", "--bet", bet_}, "0017 1 X 2 1 X 2 1 1 1 X 2 X 1 2\n100000 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"
                                            "2 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n");
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(Quiniela({"show", "--bet", bet_}).out,
              "02 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n17 1 X 2 1 X 2 1 1 1 X 2 X 1 2\n"
              "100000 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n");
    const Json checked = Json::parse(Quiniela({"check", "--json", "--bet", bet_, "-X2X1-1112XX2-"}).out);
    EXPECT_EQ(checked["result"][0], "");
    EXPECT_EQ(checked["result"][1], "X");
    EXPECT_EQ(checked["columns"][1]["column"], 17);
    EXPECT_EQ(checked["columns"][1]["hits"], 6);
    EXPECT_EQ(checked["columns"][1]["pending"], 3);
    EXPECT_EQ(checked["columns"][2]["column"], 100000);

    // Two matches to play first: "--" would read as an option.
    const Outcome twoFirst = Quiniela({"check", "--bet", bet_, "--21XX111X21-2"});
    ASSERT_EQ(twoFirst.code, 0) << twoFirst.err;
    // Column 2 (all "1") hits matches 4, 7, 8, 9 and 12: the 1s of the result.
    EXPECT_EQ(twoFirst.out.substr(0, twoFirst.out.find('\n')), "Columna 02: 5 aciertos, 3 por jugar");
    const Json twoFirstJson = Json::parse(Quiniela({"check", "--json", "--21XX111X21-2", "--bet", bet_}).out);
    EXPECT_EQ(twoFirstJson["result"][0], "");
    EXPECT_EQ(twoFirstJson["result"][1], "");
    EXPECT_EQ(twoFirstJson["result"][2], "2");
    // A word that is neither an option nor a result is still refused.
    const Outcome unknown = Quiniela({"check", "--bet", bet_, "--21XX111X21-"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.err.find("--21XX111X21-"), std::string::npos) << unknown.err;
}

TEST(QuinielaProgram, LinksNoQt) {
    if (std::system("command -v ldd >/dev/null") != 0) GTEST_SKIP() << "ldd missing";
    FILE* pipe = popen((std::string("ldd '") + QUINIELA_PROGRAM + "'").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string libraries;
    for (char buffer[256]; std::fgets(buffer, sizeof buffer, pipe);) libraries += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(libraries.find("libQt"), std::string::npos) << libraries;
}

}  // namespace
