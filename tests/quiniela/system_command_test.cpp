#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <thread>
#include <vector>

#include "program_process.h"
#include "temp_folder.h"

namespace {

using Exit = ProcessOutcome;


const char* const Forecast = "1X2 1X2 1X2 1X 1X 1X 1 1 1 1 1 1 1 1";

class SystemCommandTest : public testing::Test {
protected:
    // Starts "quiniela ARGS" with output to files; returns its pid.
    pid_t Start(const std::vector<std::string>& args, const std::string& input = "") const {
        std::ofstream(folder_ / "in", std::ios::binary) << input;
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(open((folder_ / "in").c_str(), O_RDONLY), 0);
            dup2(open((folder_ / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
            dup2(open((folder_ / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            std::vector<char*> argv{const_cast<char*>(QUINIELA_PROGRAM)};
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(QUINIELA_PROGRAM, argv.data());
            _exit(127);
        }
        return pid;
    }
    Exit Finish(pid_t pid) const {
        int status = 0;
        waitpid(pid, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(folder_ / "out"), ReadFile(folder_ / "err")};
    }
    Exit Quiniela(const std::vector<std::string>& args, const std::string& input = "") const {
        return Finish(Start(args, input));
    }

    TempFolder folder_{"quiniela-system"};
    std::string bet_ = folder_ / "1x2 - Jugada.log";
};

TEST_F(SystemCommandTest, TextGoesBackThroughImportAsTheSameBet) {
    const Exit run = Quiniela({"system", Forecast, "--guarantee", "13", "--write", "--bet", bet_});
    ASSERT_EQ(run.code, 0) << run.err;
    std::smatch size;
    ASSERT_TRUE(std::regex_search(run.out, size, std::regex("^# Sistema: (\\d+) apuestas, garantía 13 aciertos\n")));
    const int bets = std::stoi(size[1]);
    EXPECT_GE(bets, 22);
    EXPECT_LE(bets, 24);
    EXPECT_NE(run.out.find("\n# Desarrollo: 216 apuestas; cota inferior: 22\n"), std::string::npos);
    const int cents = bets * 75 % 100;
    const std::string money = std::to_string(bets * 75 / 100) + (cents < 10 ? ",0" : ",") + std::to_string(cents);
    EXPECT_NE(run.out.find("\n# Importe: " + money + " € a 0,75 € la apuesta\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n# Garantía: 13 aciertos\n# 216 resultados posibles\n"), std::string::npos);

    // Every line is a comment or a column of "show", numbered from 01.
    std::string columns;
    int number = 0;
    for (std::size_t at = 0; at < run.out.size();) {
        const std::size_t end = run.out.find('\n', at);
        const std::string line = run.out.substr(at, end - at);
        at = end + 1;
        if (line.rfind("# ", 0) == 0) continue;
        ++number;
        EXPECT_EQ(line.substr(0, 3), (number < 10 ? "0" : "") + std::to_string(number) + " ");
        columns += line + "\n";
    }
    EXPECT_EQ(number, bets);

    const std::string copy = folder_ / "copy.log";
    ASSERT_EQ(Quiniela({"import", "--bet", copy}, run.out).code, 0);
    EXPECT_EQ(ReadFile(copy), ReadFile(bet_));
    EXPECT_EQ(Quiniela({"show", "--bet", bet_}).out, columns);
    const Exit guarantee = Quiniela({"guarantee", Forecast, "--bet", bet_});
    EXPECT_EQ(guarantee.out.substr(0, guarantee.out.find('\n')), "Garantía: 13 aciertos");
}

TEST_F(SystemCommandTest, JsonHoldsTheSystemItsCountsAndProfile) {
    const Exit run = Quiniela({"system", Forecast, "--guarantee", "12", "--unos", "10-14", "--price", "0,50", "--json",
                              "--seed", "7"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const auto& columns = json["columns"];
    EXPECT_EQ(json["bets"], columns.size());
    EXPECT_EQ(json["cost_cents"], columns.size() * 50);
    EXPECT_EQ(json["full"], 216);
    EXPECT_EQ(json["seed"], 7);
    EXPECT_GE(json["guarantee"].get<int>(), 12);
    EXPECT_EQ(json["profile"]["guarantee"], json["guarantee"]);
    EXPECT_GE(columns.size(), json["lower_bound"].get<std::size_t>());
    std::uint64_t counted = 0;
    for (int k = 0; k <= 14; ++k) counted += json["profile"]["best"][std::to_string(k)].get<std::uint64_t>();
    EXPECT_EQ(counted, json["outcomes"].get<std::uint64_t>());
    EXPECT_LT(counted, 216u);
    for (const auto& column : columns) {
        ASSERT_EQ(column.size(), 14u);
        int unos = 0;
        for (int m = 0; m < 14; ++m) {
            const std::string sign = column[m];
            unos += sign == "1";
            if (m >= 6) {
                EXPECT_EQ(sign, "1");
            }
            if (m >= 3) {
                EXPECT_NE(sign, "2");
            }
        }
        EXPECT_GE(unos, 10);  // inside S unless --anywhere
    }
}

TEST_F(SystemCommandTest, BadInputAndRefusedSystemsExitTwoAndWriteNothing) {
    const std::string all = "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2";
    const std::vector<std::vector<std::string>> cases = {
        {"system", "1X2 1 1 1 1 1 - 1 1 1 1 1 1 1"},
        {"system", Forecast, "--unos", "5-4"},
        {"system", Forecast, "--doses", "0-15"},
        {"system", Forecast, "--interrupciones", "0-14"},
        {"system", Forecast, "--guarantee", "9"},
        {"system", Forecast, "--equis", "7-14"},
        {"system", all, "--guarantee", "13"},
    };
    for (std::vector<std::string> args : cases) {
        args.insert(args.end(), {"--write", "--bet", bet_});
        const Exit run = Quiniela(args);
        EXPECT_EQ(run.code, 2) << args[1] << " " << (args.size() > 2 ? args[2] : "");
        EXPECT_NE(run.err, "");
        EXPECT_FALSE(std::filesystem::exists(bet_));
    }
    EXPECT_EQ(Quiniela({"system", cases[0][1]}).err, "El partido 07 no tiene signo\n");
    EXPECT_EQ(Quiniela({"system", all, "--guarantee", "13"}).err,
              "El sistema tendría 177.147 apuestas; el máximo es 100.000\n");

    // An existing bet is replaced only with --force.
    std::ofstream(bet_, std::ios::binary) << "old";
    EXPECT_EQ(Quiniela({"system", Forecast, "--write", "--bet", bet_}).code, 1);
    EXPECT_EQ(ReadFile(bet_), "old");
    EXPECT_EQ(Quiniela({"system", Forecast, "--write", "--force", "--bet", bet_}).code, 0);
    EXPECT_EQ(ReadFile(bet_).size(), 216u * 14 * 12);  // the full development, 14 marks a column
}

TEST_F(SystemCommandTest, InterruptEndsTheSearchWithNothingWritten) {
    const pid_t pid = Start({"system", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1", "--guarantee", "13",
                             "--seconds", "60", "--write", "--bet", bet_});
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(pid, SIGINT);
    const auto start = std::chrono::steady_clock::now();
    const Exit run = Finish(pid);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(run.code, 130);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(bet_));
}

}  // namespace
