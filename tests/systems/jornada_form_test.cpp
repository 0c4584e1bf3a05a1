// The Jornada window's fields and the result lines, without a window: what
// the fields show of a jornada, how each bad field is named, what is written
// into the file's document and what is kept there.

#include <gtest/gtest.h>

#include "jornada_document.h"
#include "jornada_form_check.h"
#include "system_summary.h"

namespace {

using Json = JornadaDocument;

// A form with every match blank but the ones a test fills.
JornadaForm BlankForm(FigureEntry entry = FigureEntry::PerCent) {
    JornadaForm form;
    form.entry = entry;
    return form;
}

void SetThree(JornadaForm& form, int match, int first, const char* a, const char* b, const char* c) {
    form.fields[MatchField(match, first)] = a;
    form.fields[MatchField(match, first + 1)] = b;
    form.fields[MatchField(match, first + 2)] = c;
}

Json Parsed(const std::string& text) {
    std::string problem;
    auto document = ParseJornadaDocument(text, problem);
    EXPECT_TRUE(document) << problem;
    return document ? *document : Json();
}

}  // namespace

TEST(JornadaForm, FieldsAreNamedAsScreenReadersCallThem) {
    EXPECT_EQ(FormFieldName(MatchField(6, HomeField)), "Partido 07, local");
    EXPECT_EQ(FormFieldName(MatchField(6, AwayField)), "Partido 07, visitante");
    EXPECT_EQ(FormFieldName(MatchField(6, FirstFigureField + 1)), "Partido 07, X");
    EXPECT_EQ(FormFieldName(MatchField(13, FirstPublicField + 2)), "Partido 14, público 2");
    EXPECT_EQ(FormFieldName(TakingsField), "Recaudación");
    EXPECT_EQ(FormFieldName(JackpotField), "Bote");
    EXPECT_EQ(FormFieldName(PriceField), "Precio");
}

TEST(JornadaForm, TypedDecimalsTakeACommaOrAPoint) {
    EXPECT_EQ(ParseTypedDecimal("1,5"), 1.5);
    EXPECT_EQ(ParseTypedDecimal("2.25"), 2.25);
    EXPECT_EQ(ParseTypedDecimal(" 36 "), 36.0);
    EXPECT_EQ(ParseTypedDecimal("-1"), -1.0);
    EXPECT_EQ(ParseTypedDecimal(",5"), 0.5);
    for (const char* bad : {"", "abc", "1.000,5", "1e3", "0x1", ",", "1-2", "3 4", "--1"})
        EXPECT_EQ(ParseTypedDecimal(bad), std::nullopt) << bad;
}

TEST(JornadaForm, AJornadaFillsTheFieldsAsTyped) {
    Jornada jornada;
    jornada.matches[0].home = "Betis";
    jornada.matches[0].away = "Sevilla";
    jornada.matches[0].probabilities = SignFigures{36, 42, 22};
    jornada.matches[0].publicShares = SignFigures{52, 30, 18};
    // Fair odds of 2, 4 and 4 are 50, 25 and 25 per cent by any method.
    jornada.matches[1].odds = SignFigures{2, 4, 4};
    jornada.takings = 2200000;
    jornada.price = 1.5;
    JornadaForm form = FormOfJornada(jornada);
    EXPECT_EQ(form.entry, FigureEntry::PerCent);
    EXPECT_EQ(form.fields[MatchField(0, HomeField)], "Betis");
    EXPECT_EQ(form.fields[MatchField(0, FirstFigureField)], "36");
    EXPECT_EQ(form.fields[MatchField(0, FirstPublicField + 2)], "18");
    EXPECT_EQ(form.fields[MatchField(1, FirstFigureField)], "50");
    EXPECT_EQ(form.fields[MatchField(1, FirstFigureField + 2)], "25");
    EXPECT_EQ(form.fields[MatchField(2, FirstFigureField)], "");
    EXPECT_EQ(form.fields[TakingsField], "2200000");
    EXPECT_EQ(form.fields[JackpotField], "");
    EXPECT_EQ(form.fields[PriceField], "1,5");

    // Odds alone are shown as odds.
    jornada.matches[0].probabilities.reset();
    form = FormOfJornada(jornada);
    EXPECT_EQ(form.entry, FigureEntry::Odds);
    EXPECT_EQ(form.fields[MatchField(1, FirstFigureField + 1)], "4");
}

TEST(JornadaForm, SwitchingTheEntryRetypesCompleteFigures) {
    JornadaForm form = BlankForm();
    SetThree(form, 0, FirstFigureField, "50", "25", "25");
    SetThree(form, 1, FirstFigureField, "40", "", "");  // incomplete: left as typed
    ChangeFormEntry(form, FigureEntry::Odds, OddsMethod::Shin);
    EXPECT_EQ(form.entry, FigureEntry::Odds);
    EXPECT_EQ(form.fields[MatchField(0, FirstFigureField)], "2");
    EXPECT_EQ(form.fields[MatchField(0, FirstFigureField + 1)], "4");
    EXPECT_EQ(form.fields[MatchField(1, FirstFigureField)], "40");
    ChangeFormEntry(form, FigureEntry::PerCent, OddsMethod::Shin);
    EXPECT_EQ(form.fields[MatchField(0, FirstFigureField)], "50");
    EXPECT_EQ(form.fields[MatchField(0, FirstFigureField + 2)], "25");
}

TEST(JornadaForm, EachBadFieldIsNamedAndNothingIsWritten) {
    struct Case {
        int field;
        const char* text;
        FigureEntry entry;
        const char* expected;
    };
    const Case cases[] = {
        {MatchField(6, FirstFigureField + 1), "abc", FigureEntry::PerCent, "Partido 07, X: \"abc\" no es un número"},
        {MatchField(6, FirstFigureField + 1), "", FigureEntry::PerCent,
         "Partido 07, X: falta; se dan las tres cifras de 1, X y 2 o ninguna"},
        {MatchField(6, FirstFigureField + 1), "60", FigureEntry::PerCent,
         "Partido 07, 1: 1, X y 2 suman 118 y deben sumar de 99 a 101"},
        {MatchField(6, FirstFigureField + 2), "1", FigureEntry::Odds, "Partido 07, 2: la cuota debe ser mayor que 1"},
        {MatchField(6, FirstPublicField + 2), "-18", FigureEntry::PerCent, "Partido 07, público 2: no puede ser negativo"},
        {TakingsField, "-5", FigureEntry::PerCent, "Recaudación: debe ser 0 o más"},
        {PriceField, "0", FigureEntry::PerCent, "Precio: debe ser mayor que 0"},
    };
    const Json original = Parsed(R"({"round": 23, "matches": [{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}]})");
    for (const Case& c : cases) {
        JornadaForm form = BlankForm(c.entry);
        if (c.entry == FigureEntry::Odds)
            SetThree(form, 6, FirstFigureField, "2,7", "2,3", "4,4");
        else
            SetThree(form, 6, FirstFigureField, "36", "42", "22");
        SetThree(form, 6, FirstPublicField, "52", "30", "18");
        form.fields[c.field] = c.text;
        Json document = original;
        const auto problem = WriteFormInto(form, OddsMethod::Shin, document);
        ASSERT_TRUE(problem) << c.expected;
        EXPECT_EQ(problem->field, c.field == MatchField(6, FirstFigureField + 1) && std::string(c.text) == "60"
                                      ? MatchField(6, FirstFigureField)
                                      : c.field);
        EXPECT_EQ(problem->text, c.expected);
        EXPECT_EQ(document, original);
    }
}

TEST(JornadaForm, TheFormIsWrittenWholeKeepingWhatTheWindowDoesNotShow) {
    Json document = Parsed(R"({"round": 23, "shares": {"14": 16}, "mine": [1, 2],
        "matches": [{"home": "Viejo", "probabilities": [30, 30, 40], "result": "1", "note": "kept"},
                    {"odds": [2, 3, 4], "public": [40, 30, 30]}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}],
        "price": 0.75, "prizes": {"13": 45213.1}})");
    JornadaForm form = BlankForm(FigureEntry::Odds);
    form.fields[MatchField(0, HomeField)] = "  Betis ";
    form.fields[MatchField(0, AwayField)] = "Sevilla";
    SetThree(form, 0, FirstFigureField, "2,7", "2.3", "4,4");
    SetThree(form, 0, FirstPublicField, "52", "30", "18");
    form.fields[TakingsField] = "2200000";
    form.fields[JackpotField] = "1000,5";
    ASSERT_EQ(WriteFormInto(form, OddsMethod::Shin, document), std::nullopt);

    const Json& first = document["matches"][0];
    EXPECT_EQ(first["home"], "Betis");
    EXPECT_EQ(first["away"], "Sevilla");
    EXPECT_EQ(first["odds"], Json::parse("[2.7, 2.3, 4.4]"));
    EXPECT_FALSE(first.contains("probabilities"));  // odds replace them
    EXPECT_EQ(first["public"], Json::parse("[52, 30, 18]"));
    EXPECT_EQ(first["result"], "1");
    EXPECT_EQ(first["note"], "kept");
    // Match 2 was left blank in the window: its figures are gone.
    EXPECT_FALSE(document["matches"][1].contains("odds"));
    EXPECT_FALSE(document["matches"][1].contains("public"));
    EXPECT_EQ(document["takings"].dump(), "2200000");
    EXPECT_EQ(document["jackpot"], 1000.5);
    EXPECT_FALSE(document.contains("price"));  // blank: the default price
    EXPECT_EQ(document["round"], 23);
    EXPECT_EQ(document["mine"], Json::parse("[1, 2]"));
    EXPECT_EQ(document["prizes"]["13"], 45213.1);
    EXPECT_EQ(document["shares"]["14"], 16);
}

TEST(JornadaForm, ANewJornadaHoldsFourteenMatches) {
    Json document = NewJornadaDocument();
    JornadaForm form = BlankForm();
    form.fields[MatchField(13, AwayField)] = "Cádiz";
    form.fields[PriceField] = "0,75";
    ASSERT_EQ(WriteFormInto(form, OddsMethod::Shin, document), std::nullopt);
    ASSERT_EQ(document["matches"].size(), 14u);
    EXPECT_EQ(document["matches"][13]["away"], "Cádiz");
    EXPECT_EQ(document["price"], 0.75);
    std::string problem;
    EXPECT_TRUE(JornadaOf(document, problem)) << problem;
}

TEST(ResultLines, ChancesAndColumnsReadAsTheWindowShowsThem) {
    BetChances chances;
    chances.probability = {0.0027, 0.0402, 0.2150, 0.5, 0.8};
    EXPECT_EQ(ChancesLineText(chances, std::nullopt), "14: 0,27 % · 13 o más: 4,02 % · 12 o más: 21,50 %");
    chances.expectedPrize = CategoryFigures{};
    chances.expectedTotal = 6.80;
    chances.value = 0.38;
    EXPECT_EQ(ChancesLineText(chances, 0.6127),
              "14: 0,27 % · 13 o más: 4,02 % · 12 o más: 21,50 % · Valor esperado 6,80 € (0,38 € por euro)"
              " · Cobertura 61,27 %");
    EXPECT_EQ(ColumnChanceText(9, 1.0 / 1234567, 1.62), "Columna 09: 14: 1 entre 1.234.567 · contra: 1,62");
    EXPECT_EQ(ColumnChanceText(120, 1.0 / 81, std::nullopt), "Columna 120: 14: 1 entre 81");
}
