#include "systems_layout.h"

#include <string>

#include "coupon_colors.h"
#include "forecast_picture.h"
#include "picture_marking.h"
#include "profile_chart.h"

namespace {

constexpr const char* WindowTitle = "1X2 Sistemas";
constexpr int ForecastWidth = 70;
constexpr int SlipX = 90;
constexpr int PanelX = 515;
constexpr int FieldX = 600;
constexpr int FieldWidth = 50;
constexpr int RowY = 300;
constexpr int RowHeight = 18;
constexpr const char* GuaranteeEntries = "Directa\nAl 13\nAl 12\nAl 11\nAl 10";
constexpr int DefaultGuaranteeEntry = 1;  // "Al 13"
constexpr const char* ConditionNames[] = {"Unos", "Equis", "Doses", "Variantes", "Interrupciones"};

Handle Add(SystemsApp& app, int kind, int id, const char* text, int x, int y, int width,
           int height, std::uint32_t style = 0) {
    AddControl(kind, app.slip.window, id, text, x, y, width, height, style);
    return ControlWindow(app.slip.window, id);
}

void Name(Handle control, const std::string& name) { SetControlAccessibleName(control, name); }

void AddConditions(SystemsApp& app) {
    int id = FirstConditionFieldId;
    Add(app, ControlKind::Label, id + 40, "desde", FieldX, 38, FieldWidth, RowHeight);
    Add(app, ControlKind::Label, id + 41, "hasta", FieldX + 55, 38, FieldWidth, RowHeight);
    for (int k = 0; k <= ConditionRanges; ++k) {
        const int y = 58 + 26 * k;
        const bool runs = k == ConditionRanges;
        const std::string name = runs ? "Seguidos" : ConditionNames[k];
        const int high = k == ConditionRanges - 1 ? RowCount - 1 : RowCount;
        Add(app, ControlKind::Label, id + 20, name.c_str(), PanelX, y + 2, 85, RowHeight);
        for (int end = runs ? 1 : 0; end < 2; ++end) {
            const Handle field =
                Add(app, ControlKind::NumberField, id, "", FieldX + 55 * end, y, FieldWidth, 22);
            SetControlRange(field, runs ? 1 : 0, high);
            Name(field, name + (end == 0 ? " desde" : " hasta"));
            app.conditionFields[static_cast<std::size_t>(id - FirstConditionFieldId)] = field;
            ++id;
        }
    }
}

MessageHandler PictureKeyboard(Handle control, int columns, MessageHandler proc) {
    return WithCellKeyboard(control, columns, std::move(proc));
}

}  // namespace

void CreateSystemsWindow(SystemsApp& app, std::span<const MenuEntry> menu) {
    CouponApp& slip = app.slip;
    slip.window = NewWindow(WindowTitle, SlipSettings.windowWidth, SystemsWindowHeight);
    SetWindowIcon(slip.window, ProgramIcon);

    app.forecastControl = Add(app, ControlKind::Picture, ForecastControlId, "", 10, 10,
                              ForecastWidth, PictureHeight);
    Name(app.forecastControl, "Pronóstico");
    DescribePictureCells(app.forecastControl, 1, 0, false);
    app.originalForecastProc = SetControlHandler(
        app.forecastControl,
        PictureKeyboard(app.forecastControl, 1,
                        [&app](Handle control, std::uint32_t message, std::uint32_t first,
                               std::uint32_t second) {
                            return ForecastProc(app, control, message, first, second);
                        }));

    const Handle label =
        Add(app, ControlKind::Label, GuaranteeChoiceId + 50, "Garantía", PanelX, 12, 80, RowHeight);
    app.guaranteeChoice = Add(app, ControlKind::Choice, GuaranteeChoiceId, GuaranteeEntries, FieldX,
                              10, 105, 22);
    SetControlValue(app.guaranteeChoice, DefaultGuaranteeEntry);
    Name(app.guaranteeChoice, "Garantía");
    SetControlLabel(label, app.guaranteeChoice);
    AddConditions(app);

    Add(app, ControlKind::PushButton, GenerateSystemId, "Generar Sistema", PanelX, 222, 115, 24,
        ButtonTakesEnter);
    app.cancelButton = Add(app, ControlKind::PushButton, CancelButtonId, "Cancelar", 635, 222, 75, 24);
    app.progressBar = Add(app, ControlKind::ProgressBar, ProgressBarId, "", PanelX, 252, 195, 14);
    Name(app.progressBar, "Progreso");

    slip.pictureControl = Add(app, ControlKind::Picture, PictureControlId, "", SlipX, 10,
                              SlipSettings.pictureWidth, PictureHeight);
    SetPictureReadOnly(slip.pictureControl, true);
    // The slip only shows: keys move the cursor, no press marks anything.
    slip.originalPictureProc = SetControlHandler(
        slip.pictureControl,
        PictureKeyboard(slip.pictureControl, SlipSettings.columnCount,
                        [&slip](Handle control, std::uint32_t message, std::uint32_t first,
                                std::uint32_t second) {
                            return CallPreviousHandler(slip.originalPictureProc, control, message,
                                                       first, second);
                        }));
    Add(app, ControlKind::PushButton, PreviousSlipId, "Boleto anterior", 290, RowY, 105, RowHeight);
    Add(app, ControlKind::PushButton, NextSlipId, "Boleto siguiente", 400, RowY, 100, RowHeight);

    const Handle name = Add(app, ControlKind::TextBox, FileNameBoxId, "", 10, RowY, 215, RowHeight);
    Name(name, "Nombre del fichero BMP");
    Add(app, ControlKind::PushButton, BmpButtonId, "BMP", 233, RowY, 50, RowHeight);
    app.summary = Add(app, ControlKind::Label, SummaryLabelId, "", 10, 326, 495, RowHeight);
    Name(app.summary, "Resumen");

    const Handle chart = Add(app, ControlKind::Picture, ChartControlId, "", PanelX, 276,
                             ChartWidth, ChartHeight);
    Name(chart, "Perfil de garantía");
    SelectSurface(SurfaceRef{slip.window, PictureControlId}, true);
    ClearSurface(White);
    slip.menuBar = BuildMenu(slip.window, menu);
}
