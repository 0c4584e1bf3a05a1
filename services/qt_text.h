#pragma once

// Services-internal: the programs' UTF-8 texts as Qt strings.

#include <QString>

#include <string_view>

inline QString FromText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
