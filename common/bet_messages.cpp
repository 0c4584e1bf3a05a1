#include "bet_messages.h"

#include "window_services.h"

bool ReportBetReplacement(const ReplaceOutcome& outcome) {
    if (outcome.error == 0) return true;
    if (outcome.held)
        ShowMessage(BetNotDeletedText, MessageButtons::Ok, BetNotDeletedTitle);
    else
        ShowMessage(AppendFailureText(outcome.error), MessageButtons::Ok, BetFailureTitle);
    return false;
}

bool AppendBetRecord(const std::string& betFile, int column, int sign, int row) {
    const int error = WriteBetRecord(betFile, column, sign, row);
    if (error == 0) return true;
    ShowMessage(AppendFailureText(error), MessageButtons::Ok, BetFailureTitle);
    return false;
}
