#include "profile_chart.h"

#include <string>

#include "coupon_colors.h"
#include "font_style.h"
#include "guarantee.h"

namespace {

constexpr int Bars = 5;  // 14 down to 10 hits
constexpr int BarLeft = 12;
constexpr int BarPitch = 37;
constexpr int BarWidth = 26;
constexpr int BaseY = 80;
constexpr int TallestBar = 62;
constexpr const char* LabelFace = "Arial";
constexpr float LabelPoints = 7;

void Label(int x, int y, const std::string& text) {
    SetSurfaceColors(Black, White);
    SetSurfaceFont(NewFont(LabelFace, LabelPoints, FontStyle::Bold));
    SetTextPosition(static_cast<float>(x), static_cast<float>(y));
    PrintText(text);
}

}  // namespace

void DrawProfileChart(SystemsApp& app) {
    SelectSurface(SurfaceRef{app.slip.window, ChartControlId}, false);
    ClearSurface(White);
    DrawBox(BarLeft - 4, BaseY, BarLeft + Bars * BarPitch - 8, BaseY + 1, 0, Black, Black);
    const GuaranteeProfile& profile = app.result.profile;
    // Screen readers hear the lines the bars stand for.
    SetPictureDescription(ControlWindow(app.slip.window, ChartControlId),
                          app.hasSystem ? GuaranteeText(profile) : "");
    for (int k = 0; k < Bars; ++k) {
        const int hits = RowCount - k;
        const int x = BarLeft + k * BarPitch;
        Label(x + 7, BaseY + 4, std::to_string(hits));
        if (!app.hasSystem || profile.outcomes == 0) continue;
        const double share = static_cast<double>(profile.best[static_cast<std::size_t>(hits)]) /
                             static_cast<double>(profile.outcomes);
        const int height = static_cast<int>(share * TallestBar + 0.5);
        if (height > 0)
            DrawBox(static_cast<float>(x), static_cast<float>(BaseY - height),
                    static_cast<float>(x + BarWidth), static_cast<float>(BaseY), 0, Black, SkyBlue);
        Label(x + 2, BaseY - height - 12, std::to_string(static_cast<int>(share * 100 + 0.5)) + "%");
    }
}
