#include "result_arguments.h"

#include <string_view>

#include "scrutiny.h"

namespace {

// Takes the place of the leading "-": no option starts with it, and no
// result holds it. A second "-" stays: after the disguise the word no
// longer looks like an option.
constexpr char Disguise = '\x1f';

}  // namespace

std::vector<char*> DisguiseResults(int argc, char** argv, std::vector<std::string>& disguised) {
    std::vector<char*> kept(argv, argv + argc);
    disguised.clear();
    disguised.reserve(static_cast<std::size_t>(argc));  // the words kept point into it
    bool checking = false, chances = false;
    std::string_view previous;
    for (std::size_t k = 1; k < kept.size(); ++k) {
        const std::string_view text = kept[k];
        if (text == "--") break;  // the rest is positional anyway
        checking = checking || text == "check";
        chances = chances || text == "chances";
        // "chances" takes its result as the value of --result.
        const bool result = checking || (chances && previous == "--result");
        previous = text;
        std::string error;
        // No option parses as a result; "-" alone is no option.
        if (result && text.size() > 1 && text[0] == '-' && ParseMatchSigns(text, true, error)) {
            disguised.emplace_back(text);
            disguised.back()[0] = Disguise;
            kept[k] = disguised.back().data();
        }
    }
    return kept;
}

void UndisguiseResults(std::vector<std::string>& words) {
    for (std::string& word : words)
        if (!word.empty() && word[0] == Disguise) word[0] = '-';
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}
