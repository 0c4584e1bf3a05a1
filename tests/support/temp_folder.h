#pragma once

#include <string>
#include <string_view>

// A new, empty folder under /tmp for one test, removed with all it holds
// when the test ends, even when the test took its write permission away.
// Its path ends with "/", as a program folder does.
class TempFolder {
public:
    explicit TempFolder(std::string_view prefix = "quiniela");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(std::string_view name) const { return path_ + std::string(name); }

private:
    std::string path_;
};
