#include "jornada_window.h"

#include <array>
#include <string>

#include "bet_file.h"
#include "coupon_geometry.h"
#include "jornada_document.h"
#include "jornada_file.h"
#include "jornada_form_check.h"
#include "main_window_shell.h"
#include "message_titles.h"
#include "systems_jornada.h"
#include "window_round.h"

namespace {

constexpr const char* Title = "Jornada";
constexpr int Width = 650;
constexpr int Height = 478;
constexpr int EntryChoiceId = 200;
constexpr int FirstFieldId = 300;  // then one id a field, in the order of the form
constexpr int AcceptId = 201;
constexpr int CancelId = 202;
constexpr int LabelId = 0;  // labels are never looked up, but the one that names "Entrada"
constexpr int EntryLabelId = 203;
constexpr const char* EntryEntries = "Porcentajes\nCuotas";

constexpr int FirstRowY = 60;
constexpr int RowPitch = 24;
constexpr int FieldHeight = 20;
// Where each field of a match's row starts, and how wide it is.
constexpr std::array<int, MatchFields> FieldX{40, 170, 300, 355, 410, 480, 535, 590};
constexpr std::array<int, MatchFields> FieldWidth{125, 125, 50, 50, 50, 50, 50, 50};
constexpr const char* Headings[MatchFields] = {"Local", "Visitante", "1", "X", "2", "Público 1", "Público X",
                                               "Público 2"};
constexpr int MoneyY = FirstRowY + RowCount * RowPitch + 10;
constexpr int ButtonsY = MoneyY + 34;

constexpr const char* HeldText = "no se ha podido grabar: otro programa de la suite la tiene abierta";
constexpr const char* ReplaceQuestion = "\r\n¿Reemplazarla por la jornada de esta ventana?";

struct JornadaDialog {
    explicit JornadaDialog(SystemsApp& owner) : app(owner) {}

    SystemsApp& app;
    Handle window = 0;
    Handle entryChoice = 0;
    std::array<Handle, FormFields> fields{};
    FigureEntry entry = FigureEntry::PerCent;
    OddsMethod method = OddsMethod::Shin;
    bool busy = false;  // a box of "Aceptar" is open: nothing else runs meanwhile
    std::optional<Jornada> stored;
};

void Label(const JornadaDialog& d, const char* text, int x, int y, int width) {
    AddControl(ControlKind::Label, d.window, LabelId, text, x, y + 2, width, FieldHeight);
}

Handle Field(JornadaDialog& d, int field, int x, int y, int width) {
    const int id = FirstFieldId + field;
    AddControl(ControlKind::TextBox, d.window, id, "", x, y, width, FieldHeight);
    const Handle box = ControlWindow(d.window, id);
    SetControlAccessibleName(box, FormFieldName(field));
    d.fields[static_cast<std::size_t>(field)] = box;
    return box;
}

// Tab runs through the controls in the order they are made: "Entrada",
// each match's row, the money, "Aceptar" and "Cancelar".
void CreateControls(JornadaDialog& d) {
    AddControl(ControlKind::Label, d.window, EntryLabelId, "Entrada", 10, 12, 60, FieldHeight);
    AddControl(ControlKind::Choice, d.window, EntryChoiceId, EntryEntries, 75, 10, 120, 22);
    d.entryChoice = ControlWindow(d.window, EntryChoiceId);
    SetControlAccessibleName(d.entryChoice, "Entrada");
    // Linux names a choice by its entry and finds its label through this.
    SetControlLabel(ControlWindow(d.window, EntryLabelId), d.entryChoice);
    for (int k = 0; k < MatchFields; ++k) Label(d, Headings[k], FieldX[k], FirstRowY - 22, FieldWidth[k]);
    for (int m = 0; m < RowCount; ++m) {
        const int y = FirstRowY + m * RowPitch;
        Label(d, TwoDigits(m + 1).c_str(), 10, y, 25);
        for (int k = 0; k < MatchFields; ++k) Field(d, MatchField(m, k), FieldX[k], y, FieldWidth[k]);
    }
    Label(d, "Recaudación", 10, MoneyY, 80);
    Field(d, TakingsField, 95, MoneyY, 110);
    Label(d, "Bote", 220, MoneyY, 35);
    Field(d, JackpotField, 260, MoneyY, 100);
    Label(d, "Precio", 375, MoneyY, 45);
    Field(d, PriceField, 425, MoneyY, 60);
    AddControl(ControlKind::PushButton, d.window, AcceptId, "Aceptar", Width - 180, ButtonsY, 80, 24, ButtonTakesEnter);
    AddControl(ControlKind::PushButton, d.window, CancelId, "Cancelar", Width - 90, ButtonsY, 80, 24);
}

JornadaForm FormOfFields(const JornadaDialog& d) {
    JornadaForm form;
    form.entry = d.entry;
    for (int k = 0; k < FormFields; ++k) form.fields[k] = GetControlText(d.fields[k]);
    return form;
}

void ShowForm(const JornadaDialog& d, const JornadaForm& form) {
    SetControlValue(d.entryChoice, form.entry == FigureEntry::Odds ? 1 : 0);
    for (int k = 0; k < FormFields; ++k) SetControlText(d.fields[k], form.fields[k]);
}

// "Entrada" changed: the figures typed so far are retyped for it.
void SwitchEntry(JornadaDialog& d) {
    const FigureEntry chosen = GetControlValue(d.entryChoice) == 1 ? FigureEntry::Odds : FigureEntry::PerCent;
    JornadaForm form = FormOfFields(d);
    ChangeFormEntry(form, chosen, d.method);
    d.entry = chosen;
    ShowForm(d, form);
}

void Say(const std::string& text) { ShowMessage(text, MessageButtons::Ok, ProgramTitle); }

// The document the form goes into: the file's, so that what the window does
// not show stays; a new one when there is no file, or when a bad one may be
// replaced. Nothing when the file cannot be read or may not be replaced.
std::optional<JornadaDocument> DocumentToWrite(JornadaDialog& d, const std::string& path, bool& fresh) {
    const JornadaText read = ReadJornadaText(path);
    fresh = read.status == JornadaStatus::Missing;
    if (fresh) return NewJornadaDocument();
    if (read.status == JornadaStatus::FileFailure) {
        Say(JornadaProblemText(AppendFailureText(read.error)));
        return std::nullopt;
    }
    std::string problem = read.problem;
    if (read.status == JornadaStatus::Read) {
        auto document = ParseJornadaDocument(read.text, problem);
        const auto jornada = document ? JornadaOf(*document, problem) : std::nullopt;
        if (jornada) {
            d.method = jornada->method;
            return document;
        }
    }
    const int answer = ShowMessage(JornadaProblemText(problem) + ReplaceQuestion, MessageButtons::YesNo, ProgramTitle);
    if (answer != MessageResult::Yes) return std::nullopt;
    fresh = true;
    return NewJornadaDocument();
}

void Accept(JornadaDialog& d) {
    const std::string path = JornadaFilePath(d.app.slip.programFolder);
    bool fresh = false;
    auto document = DocumentToWrite(d, path, fresh);
    if (!document) return;
    if (const auto problem = WriteFormInto(FormOfFields(d), d.method, *document)) {
        Say(problem->text);
        if (problem->field >= 0) SetFocusTo(d.fields[static_cast<std::size_t>(problem->field)]);
        return;
    }
    if (fresh) document = JornadaKeysInOrder(*document);
    const ReplaceOutcome outcome = WriteJornadaText(path, JornadaDocumentText(*document));
    if (outcome.error != 0) {
        Say(JornadaProblemText(outcome.held ? HeldText : AppendFailureText(outcome.error)));
        return;
    }
    std::string unused;
    d.stored = JornadaOf(*document, unused);
    EndModal(d.window, 1);
}

MessageHandler DialogHandler(JornadaDialog& d) {
    return [&d](Handle, std::uint32_t message, std::uint32_t first, std::uint32_t) -> std::int32_t {
        if (d.busy) return 0;
        d.busy = true;
        switch (message) {
            case Message::InitDialog:
                ShowForm(d, FormOfJornada(d.app.jornada.value_or(Jornada{})));
                d.entry = GetControlValue(d.entryChoice) == 1 ? FigureEntry::Odds : FigureEntry::PerCent;
                SetFocusTo(d.fields[MatchField(0, HomeField)]);
                break;
            case Message::Command:
                if (CommandId(first) == AcceptId) Accept(d);
                if (CommandId(first) == CancelId) EndModal(d.window, 0);
                if (CommandId(first) == EntryChoiceId) SwitchEntry(d);
                break;
            case Message::KeyDown:
                if (first == VirtualKey::Escape) EndModal(d.window, 0);
                break;
            default: break;
        }
        d.busy = false;
        return 0;
    };
}

}  // namespace

void EditJornadaCommand(SystemsApp& app) {
    JornadaDialog dialog(app);
    if (app.jornada) dialog.method = app.jornada->method;
    dialog.window = NewWindow(app.slip.window, Title, Width, Height);
    CreateControls(dialog);
    int result = 0;
    ShowModal(dialog.window, DialogHandler(dialog), &result);
    // Closing the systems window ends this one too: then nothing is left to show it in.
    if (ControlWindow(app.slip.window, ForecastControlId) == 0) return;
    if (dialog.stored) TakeJornada(app, std::move(dialog.stored));
}
