// libFuzzer entry: any bytes as a bet file. Loading must mark exactly the
// cells of the in-range records, in the saved order.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <tuple>

#include "bet_file.h"
#include "bet_marks.h"
#include "bet_record_file.h"
#include "coupon_model.h"

namespace {

const std::string& BetPath() {
    static const std::string path = [] {
        char pattern[] = "/tmp/bet-fuzz-XXXXXX";
        return std::string(mkdtemp(pattern)) + "/" + BetFileName;
    }();
    return path;
}

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (FILE* out = std::fopen(BetPath().c_str(), "wb")) {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    // The whole bet: every in-range record, in the saved order.
    std::set<std::tuple<int, int, int>> expected;
    for (std::size_t at = 0; at + BetRecordSize <= size; at += BetRecordSize) {
        const BetRecord r = BetRecordAt(data + at);
        if (r.column >= 0 && r.column < MaxBetColumns && r.sign >= 0 && r.sign < SignCount && r.row >= 0 &&
            r.row < RowCount)
            expected.insert({r.column, r.sign, r.row});
    }
    BetMarks marks;
    Check(LoadBetMarks(BetPath(), marks) == 0);
    const auto records = BetRecordsOf(marks);
    Check(records.size() == expected.size());
    auto next = expected.begin();
    for (const BetRecord& r : records) Check(*next++ == std::tuple<int, int, int>{r.column, r.sign, r.row});
    Check(marks.empty() || marks.back() != MatchSigns{});
    return 0;
}
