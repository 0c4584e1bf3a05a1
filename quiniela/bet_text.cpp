#include "bet_text.h"

#include "bet_marks.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// 1..100,000 written with any number of digits ("0017"); 0 when it is
// anything else.
int ColumnNumber(std::string_view token) {
    if (token.empty()) return 0;
    int number = 0;
    for (const char c : token) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
        if (number > MaxBetColumns) return 0;
    }
    return number;
}

}  // namespace

std::string ColumnNumberText(int column) {
    const int shown = column + 1;
    return (shown < 10 ? "0" : "") + std::to_string(shown);
}

std::string BetColumnLine(const BetColumn& column) {
    std::string line = ColumnNumberText(column.column);
    for (const SignSet signs : column.marks) line += " " + SignsText(signs);
    return line;
}

std::string BetText(const std::vector<BetColumn>& columns) {
    std::string text;
    for (const BetColumn& column : columns) text += BetColumnLine(column) + "\n";
    return text;
}

std::optional<std::vector<BetColumn>> ParseBetText(std::string_view text, std::string& error) {
    std::vector<BetColumn> columns;
    std::vector<int> seenOnLine(MaxBetColumns, 0);
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;

        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const auto blank = line.find_first_of(" \t");
        const std::string_view token = line.substr(0, blank);
        const int number = ColumnNumber(token);
        if (number == 0) {
            error = where + "column number '" + std::string(token) + "' is not 1..100000";
            return std::nullopt;
        }
        if (seenOnLine[number - 1] != 0) {
            error = where + "column " + ColumnNumberText(number - 1) + " already given on line " +
                    std::to_string(seenOnLine[number - 1]);
            return std::nullopt;
        }
        seenOnLine[number - 1] = lineNumber;

        const std::string_view rest = blank == std::string_view::npos ? "" : line.substr(blank);
        std::string matchError;
        const auto marks = ParseMatchSigns(rest, true, matchError);
        if (!marks) {
            error = where + matchError;
            return std::nullopt;
        }
        columns.push_back({number - 1, *marks});
    }
    error.clear();
    return columns;
}
