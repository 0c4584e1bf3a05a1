#include "scrutiny.h"

#include <bit>
#include <utility>

namespace {

int SignTotal(SignSet signs) { return std::popcount(static_cast<unsigned>(signs & AllSigns)); }

std::string Plural(std::uint64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string CategoryName(int category) { return std::to_string(category + 1) + "ª"; }

// "2ª: 1, 3ª: 4" for the categories reached; empty when none is.
std::string PrizeList(const PrizeCounts& prizes) {
    std::string text;
    for (int k = 0; k < PrizeCategories; ++k) {
        if (prizes[k] == 0) continue;
        if (!text.empty()) text += ", ";
        text += CategoryName(k) + ": " + std::to_string(prizes[k]);
    }
    return text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Shown in messages as typed, or as \xNN when it would not print.
std::string Shown(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f) return std::string(1, c);
    static const char digits[] = "0123456789ABCDEF";
    return std::string("\\x") + digits[byte >> 4] + digits[byte & 15];
}

SignSet SignOf(char c) {
    switch (c) {
        case '1': return 1;
        case 'X':
        case 'x': return 2;
        case '2': return 4;
        default: return 0;
    }
}

// One match's signs as typed; nullopt with `error` set when they are not.
std::optional<SignSet> ParseToken(std::string_view token, int match, bool allowNone,
                                  std::string& error) {
    const std::string where = "match " + std::to_string(match) + ": ";
    if (token == "-") {
        if (allowNone) return SignSet{0};
        error = where + "'-' (no sign) is not allowed here";
        return std::nullopt;
    }
    SignSet signs = 0;
    for (const char c : token) {
        const SignSet sign = SignOf(c);
        if (sign == 0) {
            error = c == '-' ? where + "'-' must stand alone"
                             : where + "unknown sign '" + Shown(c) + "'";
            return std::nullopt;
        }
        if (signs & sign) {
            error = where + "sign '" + SignsText(sign) + "' repeated";
            return std::nullopt;
        }
        signs |= sign;
    }
    return signs;
}

}  // namespace

std::vector<BetColumn> BetColumns(const CouponTable<std::int32_t>& marks, int columnCount) {
    std::vector<BetColumn> columns;
    for (int c = 0; c < columnCount; ++c) {
        BetColumn column{c, {}};
        bool marked = false;
        for (int r = 0; r < RowCount; ++r)
            for (int s = 0; s < SignCount; ++s)
                if (marks.at(c, s, r) == 1) {
                    column.marks[r] |= static_cast<SignSet>(1 << s);
                    marked = true;
                }
        if (marked) columns.push_back(column);
    }
    return columns;
}

MatchSigns ResultSigns(const CouponTable<std::int32_t>& resultMarks) {
    MatchSigns result{};
    for (int r = 0; r < RowCount; ++r)
        for (int s = 0; s < SignCount; ++s)
            if (resultMarks.at(0, s, r) == 1) result[r] |= static_cast<SignSet>(1 << s);
    return result;
}

ColumnScrutiny ScrutinizeColumn(const BetColumn& column, const MatchSigns& result) {
    ColumnScrutiny scrutiny;
    scrutiny.bet = column;
    // ways[k]: simple bets with exactly k hits so far, built one match at a
    // time as the product of (hitting signs · x + other signs).
    std::array<std::uint64_t, RowCount + 1> ways{};
    ways[0] = 1;
    for (int r = 0; r < RowCount; ++r) {
        const int marked = SignTotal(column.marks[r]);
        const int hitting = SignTotal(column.marks[r] & result[r]);
        if (result[r] == 0) ++scrutiny.pending;
        if (hitting > 0) ++scrutiny.hits;
        for (int k = r + 1; k >= 0; --k) {
            const std::uint64_t hit = k > 0 ? ways[k - 1] * static_cast<std::uint64_t>(hitting) : 0;
            ways[k] = ways[k] * static_cast<std::uint64_t>(marked - hitting) + hit;
        }
    }
    scrutiny.bets = 1;
    for (const SignSet signs : column.marks) scrutiny.bets *= static_cast<std::uint64_t>(SignTotal(signs));
    for (int k = 0; k < PrizeCategories; ++k) scrutiny.prizes[k] = ways[FirstCategoryHits - k];
    return scrutiny;
}

Scrutiny Scrutinize(const std::vector<BetColumn>& columns, const MatchSigns& result) {
    Scrutiny scrutiny;
    scrutiny.result = result;
    for (const BetColumn& column : columns) {
        ColumnScrutiny one = ScrutinizeColumn(column, result);
        scrutiny.bets += one.bets;
        for (int k = 0; k < PrizeCategories; ++k) scrutiny.prizes[k] += one.prizes[k];
        scrutiny.columns.push_back(std::move(one));
    }
    return scrutiny;
}

std::string SignsText(SignSet signs) {
    std::string text;
    if (signs & 1) text += '1';
    if (signs & 2) text += 'X';
    if (signs & 4) text += '2';
    return text.empty() ? "-" : text;
}

std::string ColumnLine(const ColumnScrutiny& column) {
    const int shown = column.bet.column + 1;
    std::string line = std::string("Columna ") + (shown < 10 ? "0" : "") + std::to_string(shown) + ": ";
    const std::string hits = Plural(static_cast<std::uint64_t>(column.hits), "acierto", "aciertos");
    if (column.bets == 0) {
        line += "incompleta, " + hits;
    } else if (column.bets == 1) {
        line += hits;
        const int category = FirstCategoryHits - column.hits;
        if (category < PrizeCategories) line += " (" + CategoryName(category) + " categoría)";
    } else {
        line += Plural(column.bets, "apuesta", "apuestas") + ", hasta " + hits;
        const std::string prizes = PrizeList(column.prizes);
        if (!prizes.empty()) line += " (" + prizes + ")";
    }
    if (column.pending > 0) line += ", " + std::to_string(column.pending) + " por jugar";
    return line;
}

std::string TotalLine(const Scrutiny& scrutiny) {
    const std::string prizes = PrizeList(scrutiny.prizes);
    return "Total: " + Plural(scrutiny.bets, "apuesta", "apuestas") +
           (prizes.empty() ? ", sin premio" : "; " + prizes);
}

std::optional<MatchSigns> ParseMatchSigns(std::string_view text, bool allowNone,
                                          std::string& error) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    const auto isSeparator = [](char c) { return c == ',' || IsBlank(c); };

    // Without separators every character is one match; otherwise a run of
    // blanks with at most one comma parts two matches.
    std::vector<std::string_view> tokens;
    if (text.find_first_of(", \t\r\n") == std::string_view::npos) {
        for (std::size_t i = 0; i < text.size(); ++i) tokens.push_back(text.substr(i, 1));
    } else {
        std::size_t i = 0;
        while (i < text.size()) {
            std::size_t end = i;
            while (end < text.size() && !isSeparator(text[end])) ++end;
            if (end == i) {
                error = "match " + std::to_string(tokens.size() + 1) + ": no sign between commas";
                return std::nullopt;
            }
            tokens.push_back(text.substr(i, end - i));
            int commas = 0;
            i = end;
            while (i < text.size() && isSeparator(text[i])) commas += text[i++] == ',';
            if (commas > 1 || (commas == 1 && i == text.size())) {
                error = "match " + std::to_string(tokens.size() + 1) + ": no sign between commas";
                return std::nullopt;
            }
        }
    }
    if (tokens.size() != RowCount) {
        error = "expected " + std::to_string(RowCount) + " matches, got " + std::to_string(tokens.size());
        return std::nullopt;
    }
    MatchSigns signs{};
    for (int r = 0; r < RowCount; ++r) {
        const auto one = ParseToken(tokens[r], r + 1, allowNone, error);
        if (!one) return std::nullopt;
        signs[r] = *one;
    }
    error.clear();
    return signs;
}
