#include "bet_messages.h"

#include "message_titles.h"
#include "program_folder.h"
#include "window_services.h"

namespace {

constexpr const char* OverwriteQuestion = "El fichero existe ...\r\nSobrescribir ?";
constexpr const char* SaveRefused = "Grabacion Abortada ...";
constexpr const char* Saved = "Grabado ...";

}  // namespace

bool ReportBetReplacement(const ReplaceOutcome& outcome) {
    if (outcome.error == 0) return true;
    if (outcome.held)
        ShowMessage(BetNotDeletedText, MessageButtons::Ok, ProgramTitle);
    else
        ShowMessage(AppendFailureText(outcome.error), MessageButtons::Ok, FailureTitle);
    return false;
}

void StoreBetAsking(const std::string& betFile, const std::vector<BetRecord>& records) {
    if (FileExists(betFile)) {
        if (ShowMessage(OverwriteQuestion, MessageButtons::YesNo, ProgramTitle) == MessageResult::Yes)
            ReportBetReplacement(ReplaceBet(betFile, records));
        else
            ShowMessage(SaveRefused, MessageButtons::Ok, ProgramTitle);
    } else if (ReportBetReplacement(ReplaceBet(betFile, records))) {
        ShowMessage(Saved, MessageButtons::Ok, ProgramTitle);
    }
}
