#include "jornada_json.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "error_codes.h"
#include "jornada_document.h"
#include "jornada_edit.h"
#include "jornada_file.h"
#include "temp_folder.h"

namespace {

using Json = JornadaDocument;

// Fourteen matches: `first` as match 1, the rest empty.
std::string WithFirstMatch(const std::string& first, const std::string& top = "") {
    std::string text = "{" + top + (top.empty() ? "" : ", ") + "\"matches\": [" + first;
    for (int m = 1; m < 14; ++m) text += ", {}";
    return text + "]}";
}

TEST(JornadaJson, AnEmptyObjectIsTheDefaultRound) {
    std::string problem;
    const auto jornada = ParseJornada("{}", problem);
    ASSERT_TRUE(jornada) << problem;
    EXPECT_DOUBLE_EQ(jornada->price, 0.75);
    EXPECT_EQ(jornada->shares, (CategoryFigures{16, 7.5, 7.5, 7.5, 9}));
    EXPECT_EQ(jornada->method, OddsMethod::Shin);
    EXPECT_FALSE(jornada->takings);
    EXPECT_FALSE(jornada->prizes);
    EXPECT_FALSE(PublicFractions(*jornada));
    for (const SignFigures& p : MatchProbabilities(*jornada))
        for (const double one : p) EXPECT_DOUBLE_EQ(one, 1.0 / 3);
    for (const SignSet result : JornadaResults(*jornada)) EXPECT_EQ(result, 0);
}

TEST(JornadaJson, ReadsEveryKeyAndScalesThePerCentFigures) {
    const std::string text = WithFirstMatch(
        R"({"home": "Betis", "away": "Sevilla", "odds": [2.7, 2.3, 4.4], "public": [52, 30, 17], "result": "x"})",
        R"("round": 23, "date": "2026-12-13", "price": 0.5, "takings": 2200000, "jackpot": 1500.5,
           "shares": {"14": 15, "10": 9.5, "15": 8.5}, "method": "multiplicative",
           "prizes": {"13": 45213.10, "10": 6.10})");
    Json document = Json::parse(text);
    document["matches"][1] = Json::parse(R"({"probabilities": [36, 42, 23], "result": "2"})");
    std::string problem;
    const auto jornada = JornadaOf(document, problem);
    ASSERT_TRUE(jornada) << problem;
    EXPECT_EQ(jornada->round, 23);
    EXPECT_EQ(jornada->date, "2026-12-13");
    EXPECT_DOUBLE_EQ(jornada->price, 0.5);
    EXPECT_DOUBLE_EQ(*jornada->takings, 2200000);
    EXPECT_DOUBLE_EQ(jornada->jackpot, 1500.5);
    EXPECT_EQ(jornada->shares, (CategoryFigures{15, 7.5, 7.5, 7.5, 9.5}));  // the others stay
    EXPECT_EQ(*jornada->prizes, (CategoryFigures{0, 45213.10, 0, 0, 6.10}));
    EXPECT_EQ(jornada->matches[0].home, "Betis");
    EXPECT_EQ(jornada->matches[0].away, "Sevilla");
    EXPECT_EQ(jornada->matches[0].result, 2);
    EXPECT_EQ(jornada->matches[1].result, 4);

    const auto chances = MatchProbabilities(*jornada);
    // Multiplicative: 1/odds over their sum, S = 1.0324257063387499.
    EXPECT_NEAR(chances[0][0], 1 / 2.7 / 1.0324257063387499, 1e-15);
    EXPECT_NEAR(chances[0][2], 1 / 4.4 / 1.0324257063387499, 1e-15);
    // 36 + 42 + 23 = 101 per cent, scaled to sum 1.
    EXPECT_NEAR(chances[1][0], 36.0 / 101, 1e-15);
    EXPECT_NEAR(chances[1][1], 42.0 / 101, 1e-15);
    EXPECT_NEAR(chances[1][2], 23.0 / 101, 1e-15);
    // 52 + 30 + 17 = 99 per cent.
    EXPECT_DOUBLE_EQ(jornada->matches[0].publicShares->at(2), 17);
}

TEST(JornadaJson, EachBadFigureIsOneLineNamingItsPlace) {
    struct Case {
        std::string text;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {"{\"price\": 0.75,\n  \"round\": x}", "no es JSON (línea 2, columna 12)"},
        {"[1, 2]", "la jornada debe ser un objeto JSON {...}"},
        {"{\"price\": 1e999}", "no es JSON que se pueda leer (un número fuera de rango)"},
        {R"({"matches": [{}, {}]})", "partidos: hay 2 y deben ser 14"},
        {R"({"matches": {}})", "partidos: debe ser una lista de 14 partidos"},
        {WithFirstMatch("[]"), "partido 1: debe ser un objeto JSON {...}"},
        {WithFirstMatch(R"({"odds": [2.7, 1, 4.4]})"), "partido 1: cuotas: cada cuota debe ser mayor que 1"},
        {WithFirstMatch(R"({"odds": [2.7, 2.3]})"), "partido 1: cuotas: deben ser tres números, de 1, X y 2"},
        {WithFirstMatch(R"({"odds": [2.7, "2.3", 4.4]})"), "partido 1: cuotas: debe ser un número"},
        {WithFirstMatch(R"({"odds": [1.2, 4, 30]})", R"("method": "additive")"),
         "partido 1: cuotas: el método additive da una probabilidad negativa"},
        {WithFirstMatch(R"({"odds": [2.7, 2.3, 4.4], "probabilities": [36, 42, 22]})"),
         "partido 1: cuotas y probabilidades: da solo unas u otras"},
        {WithFirstMatch(R"({"probabilities": [36, 42, 20.9]})"),
         "partido 1: probabilidades: suman 98,9 y deben sumar de 99 a 101"},
        {WithFirstMatch(R"({"public": [52, 30, 19.5]})"), "partido 1: público: suman 101,5 y deben sumar de 99 a 101"},
        {WithFirstMatch(R"({"public": [70, 31, -1]})"), "partido 1: público: ninguna cifra puede ser negativa"},
        {WithFirstMatch(R"({"result": "3"})"), "partido 1: resultado: \"3\" no es 1, X, 2 ni -"},
        {WithFirstMatch(R"({"result": "1X"})"), "partido 1: resultado: \"1X\" no es 1, X, 2 ni -"},
        {WithFirstMatch(R"({"result": 1})"), "partido 1: resultado: debe ser un texto"},
        {WithFirstMatch(R"({"home": 7})"), "partido 1: local: debe ser un texto"},
        {R"({"method": "logit"})", "método: \"logit\" no es multiplicative, additive, power, shin ni odds-ratio"},
        {R"({"shares": {"13": -7.5}})", "reparto: 13: debe ser 0 o más"},
        {R"({"shares": [16, 7.5]})", "reparto: debe ser un objeto {\"14\": ..., \"10\": ...}"},
        {R"({"prizes": {"12": -1}})", "premios: 12: debe ser 0 o más"},
        {R"({"price": 0})", "precio: debe ser mayor que 0"},
        {R"({"price": "0.75"})", "precio: debe ser un número"},
        {R"({"takings": -2200000})", "recaudación: debe ser 0 o más"},
        {R"({"jackpot": 2e12})", "bote: no puede pasar de 1.000.000.000.000,00 €"},
        {R"({"round": 0})", "jornada: debe ser un número entero de 1 en adelante"},
        {R"({"round": 23.5})", "jornada: debe ser un número entero de 1 en adelante"},
        {R"({"date": 20261213})", "fecha: debe ser un texto"},
        {"{}" + std::string(MaxJornadaBytes, ' '), "la jornada pasa de 1 MiB"},
    };
    for (const Case& one : cases) {
        std::string problem;
        EXPECT_FALSE(ParseJornada(one.text, problem)) << one.text.substr(0, 200);
        EXPECT_EQ(problem, one.problem) << one.text.substr(0, 200);
    }
    // The edges that stand: sums of 99 and 101, a share of 0, a later match
    // named by its own number.
    std::string problem;
    EXPECT_TRUE(ParseJornada(WithFirstMatch(R"({"probabilities": [36, 42, 21], "public": [52, 30, 19]})"), problem))
        << problem;
    EXPECT_TRUE(ParseJornada(R"({"shares": {"14": 0}, "takings": 0, "matches": null})", problem)) << problem;
    Json late = Json::parse(WithFirstMatch("{}"));
    late["matches"][6]["odds"] = {2.0, 0.9, 3.0};
    EXPECT_FALSE(JornadaOf(late, problem));
    EXPECT_EQ(problem, "partido 7: cuotas: cada cuota debe ser mayor que 1");
}

TEST(JornadaJson, ChangesKeepEverythingTheyDoNotName) {
    const Json original = Json::parse(R"({
        "note": {"by": "me"}, "round": 22, "shares": {"15": 7.5, "14": 16},
        "matches": [{"home": "Betis", "odds": [2.7, 2.3, 4.4], "tv": true, "public": [52, 30, 18]},
                    {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {"away": "Elche", "result": "2"}],
        "extra": [1, 2, 3]})");
    Json document = original;
    JornadaChanges changes;
    changes.round = 23;
    changes.shares = {{13, 8}};
    changes.prizes = {{13, 45213.10}};
    changes.match = 1;
    changes.matchChanges.probabilities = SignFigures{36, 42, 22};
    changes.matchChanges.result = SignSet{0};
    ApplyJornadaChanges(document, changes);
    std::string problem;
    ASSERT_TRUE(JornadaOf(document, problem)) << problem;

    // Through the file's text and back.
    const Json written = Json::parse(JornadaDocumentText(document));
    Json expected = original;
    expected["round"] = 23;
    expected["shares"]["13"] = 8;
    expected["prizes"] = {{"13", 45213.10}};
    expected["matches"][0] = Json::parse(
        R"({"home": "Betis", "probabilities": [36, 42, 22], "public": [52, 30, 18], "result": "-", "tv": true})");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.dump(), expected.dump());  // the order of the keys too

    // Odds in turn take the place of the probabilities.
    JornadaChanges odds;
    odds.match = 1;
    odds.matchChanges.odds = SignFigures{1.5, 4, 6.5};
    ApplyJornadaChanges(document, odds);
    EXPECT_FALSE(document["matches"][0].contains("probabilities"));
    EXPECT_EQ(document["matches"][0]["odds"], Json::parse("[1.5, 4, 6.5]"));
}

TEST(JornadaJson, TheFileTextKeepsShortListsOnOneLine) {
    Json document = JornadaKeysInOrder(NewJornadaDocument());
    document["matches"][0] = Json::parse(R"({"home": "Betis", "away": "Sevilla", "odds": [2.7, 2.3, 4.4]})");
    document["takings"] = JsonNumber(2200000.0);
    document["price"] = JsonNumber(0.75);
    const std::string text = JornadaDocumentText(document);
    EXPECT_EQ(text.substr(0, text.find("{},")),
              "{\n  \"matches\": [\n"
              "    {\"home\": \"Betis\", \"away\": \"Sevilla\", \"odds\": [2.7, 2.3, 4.4]},\n    ");
    EXPECT_NE(text.find("\"takings\": 2200000,\n  \"price\": 0.75\n}\n"), std::string::npos) << text;
    EXPECT_EQ(Json::parse(text), document);
}

TEST(JornadaJson, ShownDocumentCarriesTheChancesInUse) {
    const Json document = Json::parse(R"({"unknown": 1})");
    std::string problem;
    const auto jornada = JornadaOf(document, problem);
    ASSERT_TRUE(jornada);
    const Json shown = ShownJornadaDocument(document, *jornada);
    EXPECT_EQ(shown["unknown"], 1);
    ASSERT_EQ(shown["matches"].size(), 14u);
    EXPECT_EQ(shown["matches"][13]["probabilities"].size(), 3u);
    EXPECT_DOUBLE_EQ(shown["matches"][13]["probabilities"][1].get<double>(), 1.0 / 3);
}

class JornadaFileTest : public testing::Test {
protected:
    void Write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    TempFolder folder_{"jornada-file"};
    std::string path_ = folder_ / "1x2 - Jornada.json";
};

TEST_F(JornadaFileTest, MissingBadTooLargeAndFolder) {
    EXPECT_EQ(ReadJornada(path_).status, JornadaStatus::Missing);

    Write(R"({"price": -1})");
    JornadaRead read = ReadJornada(path_);
    EXPECT_EQ(read.status, JornadaStatus::Bad);
    EXPECT_EQ(read.problem, "precio: debe ser mayor que 0");
    EXPECT_DOUBLE_EQ(read.jornada.price, 0.75);

    // Exactly 1 MiB is read; one byte more is refused unread.
    Write("{}" + std::string(MaxJornadaBytes - 2, '\n'));
    EXPECT_EQ(ReadJornada(path_).status, JornadaStatus::Read);
    Write("{}" + std::string(MaxJornadaBytes - 1, '\n'));
    read = ReadJornada(path_);
    EXPECT_EQ(read.status, JornadaStatus::Bad);
    EXPECT_EQ(read.problem, "el fichero de la jornada pasa de 1 MiB");

    std::filesystem::remove(path_);
    std::filesystem::create_directory(path_);
    read = ReadJornada(path_);
    EXPECT_EQ(read.status, JornadaStatus::FileFailure);
    EXPECT_EQ(read.error, ErrorNumber::PathFileAccessError);
}

TEST_F(JornadaFileTest, WritesWholeAndRefusesAReadOnlyFile) {
    ASSERT_EQ(WriteJornadaText(path_, R"({"round": 1})").error, 0);
    const JornadaRead read = ReadJornada(path_);
    ASSERT_EQ(read.status, JornadaStatus::Read) << read.problem;
    EXPECT_EQ(read.jornada.round, 1);

    std::filesystem::permissions(path_, std::filesystem::perms::owner_read);
    EXPECT_EQ(WriteJornadaText(path_, "{}").error, ErrorNumber::PermissionDenied);
    EXPECT_EQ(ReadJornada(path_).jornada.round, 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

}  // namespace
