#include "system_text.h"

#include "number_text.h"

std::string SystemFailureText(const SystemResult& result) {
    switch (result.failure) {
        case SystemFailure::None: return "";
        case SystemFailure::MatchWithoutSign: {
            const int shown = result.match + 1;
            return "El partido " + std::string(shown < 10 ? "0" : "") + std::to_string(shown) + " no tiene signo";
        }
        case SystemFailure::BadConditions:
            return "Las condiciones deben ir de 0 a 14 (interrupciones de 0 a 13) y el desde no puede pasar del hasta";
        case SystemFailure::BadGuarantee: return "La garantía debe ser de 10 a 14 aciertos";
        case SystemFailure::NoOutcome: return "Ninguna columna del pronóstico cumple las condiciones";
        case SystemFailure::TooLarge:
            return "El sistema tendría " + GroupedNumber(result.refusedSize) + " apuestas; el máximo es " +
                   GroupedNumber(MaxSystemColumns);
        case SystemFailure::Cancelled: return "Generación cancelada";
        case SystemFailure::Unverified: return "El sistema no alcanza la garantía pedida (error interno)";
        case SystemFailure::NoProbabilities:
            return "Las condiciones de probabilidad y contra necesitan las probabilidades de la jornada";
        case SystemFailure::NoPublicShares:
            return "El contra mínimo necesita los porcentajes del público de los 14 partidos";
        case SystemFailure::NoPrizeModel:
            return "El valor mínimo necesita la recaudación de la jornada y los porcentajes del público de los 14 partidos";
    }
    return "";
}
