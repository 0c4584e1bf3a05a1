#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What "quiniela system" was asked, as typed: the command reads it into a
// request, and its output names some of it back.
struct SystemOptions {
    std::vector<std::string> forecast;  // one word or 14
    int guarantee = 14;
    std::string unos, equis, doses, variantes, interrupciones;  // "A-B"; empty: open
    std::optional<int> seguidos;
    bool anywhere = false;
    std::uint64_t seed = 1;
    double seconds = 0;
    std::optional<std::string> price;   // euros; else the jornada's, else 0.75
    std::optional<std::string> bets;    // a budget in simple bets
    std::optional<std::string> budget;  // a budget in euros
    std::optional<std::string> minProbability, minContra, minValue;
    std::string jornadaFile;            // beside the programs unless --jornada names one
    bool jornadaNamed = false;
    bool write = false;
    bool force = false;
    std::string betFile;
    bool json = false;
};
