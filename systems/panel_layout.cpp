// The right-hand panel of the systems window.
#include <string>

#include "systems_layout.h"

namespace {

constexpr int PanelX = 635;
constexpr int PanelRight = 875;
constexpr int FieldX = PanelX + 120;
constexpr int ChoiceWidth = PanelRight - FieldX;
constexpr int RangeWidth = 55;
constexpr int RangePitch = 65;
constexpr int ValueLabelWidth = 170;
constexpr int ValueX = PanelX + ValueLabelWidth + 5;
constexpr int RowHeight = 18;
constexpr int FieldHeight = 22;
constexpr int RowPitch = 26;
constexpr int FirstConditionY = 110;
constexpr int FirstValueY = 272;
constexpr int ButtonsY = 358;

constexpr const char* ObjectiveEntries = "Garantía\nPresupuesto";
constexpr const char* GuaranteeEntries = "Directa\nAl 13\nAl 12\nAl 11\nAl 10";
constexpr int DefaultGuaranteeEntry = 1;  // "Al 13"
constexpr const char* ConditionNames[] = {"Unos", "Equis", "Doses", "Variantes", "Interrupciones"};
constexpr int MostBudgetBets = 100000;
// "1 entre" N: far past the 4,782,969 results of a round.
constexpr int MostOneIn = 1000000000;
constexpr double MostRatio = 1000;
// Label ids: the control's id plus this.
constexpr int LabelOffset = 50;

// A control after its label, named as the label says; `text` is a
// choice's entries.
Handle Labelled(SystemsApp& app, int kind, int id, const char* name, int y, int x, int width,
                int labelWidth = FieldX - PanelX - 5, const char* text = "") {
    const Handle label = AddSystemsControl(app, ControlKind::Label, id + LabelOffset, name, PanelX, y + 2,
                                           labelWidth, RowHeight);
    const Handle control = AddSystemsControl(app, kind, id, text, x, y, width, FieldHeight);
    SetControlAccessibleName(control, name);
    SetControlLabel(label, control);
    return control;
}

void AddObjective(SystemsApp& app) {
    const int labelWidth = FieldX - PanelX - 5;
    app.objectiveChoice = Labelled(app, ControlKind::Choice, ObjectiveChoiceId, "Objetivo", 10, FieldX, ChoiceWidth,
                                   labelWidth, ObjectiveEntries);
    app.budgetField = Labelled(app, ControlKind::NumberField, BudgetFieldId, "Apuestas", 36, FieldX, ChoiceWidth);
    SetControlRange(app.budgetField, 1, MostBudgetBets);
    app.guaranteeChoice = Labelled(app, ControlKind::Choice, GuaranteeChoiceId, "Garantía", 62, FieldX, ChoiceWidth,
                                   labelWidth, GuaranteeEntries);
    SetControlValue(app.guaranteeChoice, DefaultGuaranteeEntry);
}

void AddConditions(SystemsApp& app) {
    int id = FirstConditionFieldId;
    AddSystemsControl(app, ControlKind::Label, id + 40, "desde", FieldX, 90, RangeWidth, RowHeight);
    AddSystemsControl(app, ControlKind::Label, id + 41, "hasta", FieldX + RangePitch, 90, RangeWidth, RowHeight);
    for (int k = 0; k <= ConditionRanges; ++k) {
        const int y = FirstConditionY + RowPitch * k;
        const bool runs = k == ConditionRanges;
        const std::string name = runs ? "Seguidos" : ConditionNames[k];
        const int high = k == ConditionRanges - 1 ? RowCount - 1 : RowCount;
        AddSystemsControl(app, ControlKind::Label, id + 20, name.c_str(), PanelX, y + 2, FieldX - PanelX - 5,
                          RowHeight);
        for (int end = runs ? 1 : 0; end < 2; ++end) {
            const Handle field = AddSystemsControl(app, ControlKind::NumberField, id, "",
                                                   FieldX + RangePitch * end, y, RangeWidth, FieldHeight);
            SetControlRange(field, runs ? 1 : 0, high);
            SetControlAccessibleName(field, name + (end == 0 ? " desde" : " hasta"));
            app.conditionFields[static_cast<std::size_t>(id - FirstConditionFieldId)] = field;
            ++id;
        }
    }
}

// The conditions of value start open: no outcome is left out by them.
void AddValueConditions(SystemsApp& app) {
    const auto add = [&app](int kind, int id, const char* name, int row) {
        return Labelled(app, kind, id, name, FirstValueY + RowPitch * row, ValueX, PanelRight - ValueX,
                        ValueLabelWidth);
    };
    app.minProbabilityField = add(ControlKind::NumberField, MinProbabilityFieldId, "Probabilidad mínima (1 entre)", 0);
    SetControlRange(app.minProbabilityField, 1, MostOneIn);
    app.minContraField = add(ControlKind::DecimalField, MinContraFieldId, "Contra mínimo", 1);
    SetControlDecimalRange(app.minContraField, 0.01, MostRatio, 2);
    app.minValueField = add(ControlKind::DecimalField, MinValueFieldId, "Valor mínimo", 2);
    SetControlDecimalRange(app.minValueField, 0.01, MostRatio, 2);
}

}  // namespace

void CreateSystemsPanel(SystemsApp& app) {
    AddObjective(app);
    AddConditions(app);
    AddValueConditions(app);
    AddSystemsControl(app, ControlKind::PushButton, GenerateSystemId, "Generar Sistema", PanelX, ButtonsY, 130, 24,
                      ButtonTakesEnter);
    app.cancelButton =
        AddSystemsControl(app, ControlKind::PushButton, CancelButtonId, "Cancelar", PanelRight - 75, ButtonsY, 75, 24);
    app.progressBar = AddSystemsControl(app, ControlKind::ProgressBar, ProgressBarId, "", PanelX, ButtonsY + 32,
                                        PanelRight - PanelX, 14);
    SetControlAccessibleName(app.progressBar, "Progreso");
}
