// The chances and expected prizes of a stored bet counted the plain way,
// every simple bet against every result, as a whole process to time beside
// "quiniela chances" (bench/chances.sh). Two threads, one half of the
// results each, as the engine has.
//   plain_chances JORNADA BET [CHANCES_JSON]
// With CHANCES_JSON (the output of "quiniela chances --json"), also prints
// the largest relative difference between the two counts.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <thread>

#include "bet_marks.h"
#include "chance_model.h"
#include "fund_share.h"
#include "jornada_file.h"

namespace {

using Bet = std::array<std::uint8_t, RowCount>;  // a sign 0..2 per match

struct Sums {
    double probability[5] = {}, winners[5] = {}, prize[5] = {};
};

std::vector<Bet> SimpleBetsOf(const std::vector<BetColumn>& columns) {
    std::vector<Bet> bets;
    for (const BetColumn& column : columns) {
        std::vector<Bet> partial{Bet{}};
        for (int m = 0; m < RowCount; ++m) {
            std::vector<Bet> longer;
            for (const Bet& bet : partial)
                for (std::uint8_t s = 0; s < 3; ++s)
                    if (column.marks[m] & (1 << s)) {
                        Bet next = bet;
                        next[m] = s;
                        longer.push_back(next);
                    }
            partial = longer;
        }
        bets.insert(bets.end(), partial.begin(), partial.end());
    }
    return bets;
}

Sums Count(const ChanceModel& model, const std::vector<Bet>& bets, std::size_t from, std::size_t to) {
    std::vector<int> toPlay;
    for (int m = 0; m < RowCount; ++m)
        if (model.results[m] == 0) toPlay.push_back(m);
    const bool money = HasPrizeModel(model);
    const CategoryFigures funds = PrizeFunds(model);
    const double others = OtherBets(model);
    Sums sums;
    Bet result{};
    for (int m = 0; m < RowCount; ++m)
        if (model.results[m] != 0) result[m] = static_cast<std::uint8_t>(SignIndex(model.results[m]));
    for (std::size_t index = from; index < to; ++index) {
        double chance = 1;
        std::size_t rest = index;
        for (auto m = toPlay.rbegin(); m != toPlay.rend(); ++m, rest /= 3) {
            result[*m] = static_cast<std::uint8_t>(rest % 3);
            chance *= model.probabilities[*m][result[*m]];
        }
        std::array<std::uint64_t, RowCount + 1> own{};
        int best = 0;
        for (const Bet& bet : bets) {
            int hits = 0;
            for (int m = 0; m < RowCount; ++m) hits += bet[m] == result[m];
            ++own[hits];
            best = std::max(best, hits);
        }
        for (int d = 0; d < 5; ++d) {
            if (best >= 14 - d) sums.probability[d] += chance;
            sums.winners[d] += chance * static_cast<double>(own[14 - d]);
        }
        if (!money) continue;
        // The public's hits: every match right with the share of its sign.
        std::array<double, RowCount + 1> hits{1};
        for (int m = 0; m < RowCount; ++m) {
            const double right = (*model.publicShares)[m][result[m]];
            for (int h = m + 1; h > 0; --h) hits[h] = hits[h] * (1 - right) + hits[h - 1] * right;
            hits[0] *= 1 - right;
        }
        for (int d = 0; d < 5; ++d)
            if (own[14 - d] > 0)
                sums.prize[d] += chance * funds[d] * static_cast<double>(own[14 - d]) *
                                 FundShare(own[14 - d], others * hits[14 - d]);
    }
    return sums;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const JornadaRead read = ReadJornada(argv[1]);
    if (read.status != JornadaStatus::Read) return 2;
    const ChanceModel model = ChanceModelOf(read.jornada);
    BetMarks marks;
    if (LoadBetMarks(argv[2], marks) != 0) return 1;
    const std::vector<Bet> bets = SimpleBetsOf(MarkedColumns(marks));
    std::size_t results = 1;
    for (const SignSet result : model.results) results *= result == 0 ? 3 : 1;

    Sums half;
    std::thread helper([&] { half = Count(model, bets, results / 2, results); });
    Sums sums = Count(model, bets, 0, results / 2);
    helper.join();
    double total = 0;
    for (int d = 0; d < 5; ++d) {
        sums.probability[d] += half.probability[d];
        sums.winners[d] += half.winners[d];
        sums.prize[d] += half.prize[d];
        total += sums.prize[d];
    }
    std::printf("results %zu, simple bets %zu\n", results, bets.size());
    for (int d = 0; d < 5; ++d)
        std::printf("%d: probability %.12g, winners %.12g, prize %.12g\n", 14 - d, sums.probability[d],
                    sums.winners[d], sums.prize[d]);
    std::printf("total %.12g\n", total);
    if (argc < 4) return 0;

    std::ifstream in(argv[3]);
    const auto json = nlohmann::json::parse(std::string(std::istreambuf_iterator<char>(in), {}));
    double worst = 0;
    const auto compare = [&](double plain, double engine) {
        if (plain != 0 || engine != 0) worst = std::max(worst, std::fabs(plain - engine) / std::fabs(plain));
    };
    for (int d = 0; d < 5; ++d) {
        const std::string k = std::to_string(14 - d);
        compare(sums.probability[d], json["probability"][k].get<double>());
        compare(sums.winners[d], json["expected_winners"][k].get<double>());
        if (json.contains("expected_prize")) compare(sums.prize[d], json["expected_prize"][k].get<double>());
    }
    if (json.contains("expected_prize")) compare(total, json["expected_prize"]["total"].get<double>());
    std::printf("largest relative difference from quiniela chances: %.2g\n", worst);
    return worst <= 1e-9 ? 0 : 3;
}
