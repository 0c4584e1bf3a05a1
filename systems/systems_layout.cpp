#include "systems_layout.h"

#include <string>

#include "coupon_colors.h"
#include "forecast_picture.h"
#include "picture_marking.h"
#include "profile_chart.h"

namespace {

constexpr const char* WindowTitle = "1X2 Sistemas";
constexpr int SlipX = 20 + ForecastPictureWidth;
constexpr int RowY = 300;
constexpr int RowHeight = 18;
constexpr int LineWidth = SlipX + SlipSettings.pictureWidth - 10;
constexpr int SummaryY = 326;
constexpr int ChancesY = 346;
constexpr int ChartY = 372;

MessageHandler PictureKeyboard(Handle control, int columns, MessageHandler proc) {
    return WithCellKeyboard(control, columns, std::move(proc));
}

void AddForecast(SystemsApp& app) {
    app.forecastControl = AddSystemsControl(app, ControlKind::Picture, ForecastControlId, "", 10, 10,
                                            ForecastPictureWidth, PictureHeight);
    SetControlAccessibleName(app.forecastControl, "Pronóstico");
    DescribePictureCells(app.forecastControl, 1, 0, false);
    app.originalForecastProc = SetControlHandler(
        app.forecastControl,
        PictureKeyboard(app.forecastControl, 1,
                        [&app](Handle control, std::uint32_t message, std::uint32_t first,
                               std::uint32_t second) {
                            return ForecastProc(app, control, message, first, second);
                        }));
}

void AddSlip(SystemsApp& app) {
    CouponApp& slip = app.slip;
    slip.pictureControl = AddSystemsControl(app, ControlKind::Picture, PictureControlId, "", SlipX, 10,
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
    AddSystemsControl(app, ControlKind::PushButton, PreviousSlipId, "Boleto anterior", SlipX + 200, RowY, 105,
                      RowHeight);
    AddSystemsControl(app, ControlKind::PushButton, NextSlipId, "Boleto siguiente", SlipX + 310, RowY, 100,
                      RowHeight);
}

// The lines and charts of the result: each line is named for what it is
// and read whole, and Tab reaches it.
void AddResult(SystemsApp& app) {
    const Handle name = AddSystemsControl(app, ControlKind::TextBox, FileNameBoxId, "", 10, RowY, 215, RowHeight);
    SetControlAccessibleName(name, "Nombre del fichero BMP");
    AddSystemsControl(app, ControlKind::PushButton, BmpButtonId, "BMP", 233, RowY, 50, RowHeight);
    app.summary = AddSystemsControl(app, ControlKind::Label, SummaryLabelId, "", 10, SummaryY, LineWidth,
                                    RowHeight, LabelTakesFocus);
    SetControlAccessibleName(app.summary, "Resumen");
    app.chancesLine = AddSystemsControl(app, ControlKind::Label, ChancesLabelId, "", 10, ChancesY, LineWidth,
                                        RowHeight, LabelTakesFocus);
    SetControlAccessibleName(app.chancesLine, "Probabilidades");

    const Handle profile = AddSystemsControl(app, ControlKind::Picture, ChartControlId, "", 10, ChartY,
                                             ChartWidth, ChartHeight);
    SetControlAccessibleName(profile, "Perfil de garantía");
    const Handle chances = AddSystemsControl(app, ControlKind::Picture, ChancesChartId, "", 20 + ChartWidth,
                                             ChartY, ChartWidth, ChartHeight);
    SetControlAccessibleName(chances, "Probabilidades por aciertos");
}

}  // namespace

Handle AddSystemsControl(SystemsApp& app, int kind, int id, const char* text, int x, int y, int width,
                         int height, std::uint32_t style) {
    AddControl(kind, app.slip.window, id, text, x, y, width, height, style);
    return ControlWindow(app.slip.window, id);
}

void CreateSystemsWindow(SystemsApp& app, std::span<const MenuEntry> menu) {
    CouponApp& slip = app.slip;
    slip.window = NewWindow(0, WindowTitle, SystemsWindowWidth, SystemsWindowHeight);
    SetWindowIcon(slip.window, ProgramIcon);
    AddForecast(app);
    CreateSystemsPanel(app);
    AddSlip(app);
    AddResult(app);
    SelectSurface(SurfaceRef{slip.window, PictureControlId}, true);
    ClearSurface(White);
    slip.menuBar = BuildMenu(slip.window, menu);
}
