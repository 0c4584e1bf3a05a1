#include "profile_chart.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "chance_text.h"
#include "coupon_colors.h"
#include "figure_text.h"
#include "font_style.h"
#include "guarantee.h"

namespace {

constexpr int Bars = 5;  // 14 down to 10 hits
constexpr int BarLeft = 16;
constexpr int BarPitch = 57;
constexpr int BarWidth = 36;
constexpr int BaseY = 90;
constexpr int TallestBar = 62;
constexpr int CaptionY = 3;
constexpr const char* LabelFace = "Arial";
constexpr float LabelPoints = 7;

using Shares = std::array<double, Bars>;

// Centred over the bar at `x` when `centred`.
void Label(int x, int y, const std::string& text, int style = FontStyle::Bold, bool centred = true) {
    SetSurfaceColors(Black, White);
    SetSurfaceFont(NewFont(LabelFace, LabelPoints, style));
    const int left = centred ? x + (BarWidth - TextWidth(text)) / 2 : x;
    SetTextPosition(static_cast<float>(left), static_cast<float>(y));
    PrintText(text);
}

// The caption, the base line and the hits under it; then, when there are
// figures, each bar with its figure above it.
void DrawBars(SurfaceRef surface, const char* caption, const std::optional<Shares>& shares, Color fill,
              std::string (*figure)(double)) {
    SelectSurface(surface, false);
    ClearSurface(White);
    Label(BarLeft - 4, CaptionY, caption, 0, false);
    DrawBox(BarLeft - 4, BaseY, BarLeft + Bars * BarPitch - 16, BaseY + 1, 0, Black, Black);
    for (int k = 0; k < Bars; ++k) {
        const int x = BarLeft + k * BarPitch;
        Label(x, BaseY + 4, std::to_string(RowCount - k));
        if (!shares) continue;
        const int height = static_cast<int>((*shares)[k] * TallestBar + 0.5);
        if (height > 0)
            DrawBox(static_cast<float>(x), static_cast<float>(BaseY - height), static_cast<float>(x + BarWidth),
                    static_cast<float>(BaseY), 0, Black, fill);
        Label(x, BaseY - height - 12, figure((*shares)[k]));
    }
}

std::string WholePerCent(double share) { return std::to_string(static_cast<int>(share * 100 + 0.5)) + "%"; }

std::string HundredthsPerCent(double share) { return DecimalText(std::round(share * 10000) / 100, 2) + "%"; }

void DrawProfileChart(SystemsApp& app) {
    const GuaranteeProfile& profile = app.result.profile;
    std::optional<Shares> shares;
    if (app.hasSystem && profile.outcomes > 0) {
        shares.emplace();
        for (int k = 0; k < Bars; ++k)
            (*shares)[k] = static_cast<double>(profile.best[static_cast<std::size_t>(RowCount - k)]) /
                           static_cast<double>(profile.outcomes);
    }
    DrawBars({app.slip.window, ChartControlId}, "Perfil de garantía (exactos)", shares, SkyBlue, WholePerCent);
    // Screen readers hear the lines the bars stand for.
    SetPictureDescription(ControlWindow(app.slip.window, ChartControlId),
                          app.hasSystem ? GuaranteeText(profile) : "");
}

void DrawChancesChart(SystemsApp& app) {
    std::optional<Shares> shares;
    if (app.hasSystem) shares = Shares{};
    for (int k = 0; shares && k < Bars; ++k) (*shares)[k] = app.chances.probability[k];
    DrawBars({app.slip.window, ChancesChartId}, "Probabilidad (o más)", shares, Salmon, HundredthsPerCent);
    SetPictureDescription(ControlWindow(app.slip.window, ChancesChartId),
                          app.hasSystem ? "Probabilidad: " + ProbabilityText(app.chances) : "");
}

}  // namespace

void DrawResultCharts(SystemsApp& app) {
    DrawProfileChart(app);
    DrawChancesChart(app);
}
