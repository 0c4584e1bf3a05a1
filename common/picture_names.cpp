#include "picture_names.h"

#include <algorithm>
#include <cctype>

#include "coupon_geometry.h"

namespace {

constexpr const char* BmpSuffix = ".bmp";

// Where the last ".bmp" starts, in any case; npos when there is none.
std::size_t LastBmpAt(const std::string& name) {
    std::string lowered = name;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered.rfind(BmpSuffix);
}

}  // namespace

bool NamesBmpPicture(const std::string& name) { return LastBmpAt(name) != std::string::npos; }

bool IsAcceptedPictureName(const std::string& name) {
    const std::size_t suffix = std::char_traits<char>::length(BmpSuffix);
    const std::size_t at = LastBmpAt(name);
    // A pattern could make the delete before saving remove other files.
    return at != std::string::npos && at + suffix == name.size() && name.find_first_of("*?") == std::string::npos;
}

std::string PageFileName(const std::string& name, int page) {
    const std::size_t at = LastBmpAt(name);
    const std::string number = " " + TwoDigits(page + 1);
    if (at == std::string::npos) return name + number;
    return name.substr(0, at) + number + name.substr(at);
}
