#include "font_style.h"
#include "surface.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QWidget>
#include <QWindow>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "font_table.h"
#include "pending_error.h"
#include "surface_registry.h"
#include "temp_folder.h"

namespace {

constexpr Color Black = 0x000000;
constexpr Color White = 0xFFFFFF;
constexpr Color Salmon = 0x8080FF;
constexpr Color SkyBlue = 0xFACE87;

// Pixels x0 <= x < x1, y0 <= y < y1.
struct Area {
    int x0, y0, x1, y1;
    bool Contains(int x, int y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
};

Handle FreshSurface(int width, int height, Color fill = White) {
    const Handle surface = NewOffscreenSurface(width, height);
    SelectSurface(surface, 0, false);
    ClearSurface(fill);
    return surface;
}

// The smallest area holding every pixel of the selected surface that is not
// `background`; x1 == 0 when there is none.
Area InkExtent(Color background) {
    Area ink{SurfaceWidth(), SurfaceHeight(), 0, 0};
    for (int y = 0; y < SurfaceHeight(); ++y) {
        for (int x = 0; x < SurfaceWidth(); ++x) {
            if (SurfacePixel(x, y) == background) continue;
            ink = {std::min(ink.x0, x), std::min(ink.y0, y), std::max(ink.x1, x + 1),
                   std::max(ink.y1, y + 1)};
        }
    }
    return ink;
}

std::vector<Color> AllPixels() {
    std::vector<Color> pixels;
    for (int y = 0; y < SurfaceHeight(); ++y) {
        for (int x = 0; x < SurfaceWidth(); ++x) pixels.push_back(SurfacePixel(x, y));
    }
    return pixels;
}

TEST(SurfaceColors, RgbClampsEachComponentAndPutsRedLowest) {
    EXPECT_EQ(Rgb(-5, 300, 128), Rgb(0, 255, 128));
    EXPECT_EQ(Rgb(0, 255, 128), 0x80FF00);
    EXPECT_EQ(Rgb(255, 128, 128), 0x8080FF);
    EXPECT_EQ(Rgb(135, 206, 250), SkyBlue);

    FreshSurface(4, 4);
    DrawBox(0, 0, 4, 4, 0, Rgb(1, 2, 3), DefaultColor);
    EXPECT_EQ(SurfacePixel(0, 0), 0x030201);
    EXPECT_EQ(SurfacePixel(2, 2), 0x030201);
    EXPECT_EQ(SurfacePixel(4, 0), -1);
}

TEST(SurfaceCoordinates, HalvesRoundToTheEvenPixel) {
    EXPECT_EQ(RoundToPixel(2.5f), 2);
    EXPECT_EQ(RoundToPixel(3.5f), 4);
    EXPECT_EQ(RoundToPixel(0.5f), 0);
    EXPECT_EQ(RoundToPixel(-1.5f), -2);
    EXPECT_EQ(RoundToPixel(-2.5f), -2);
    EXPECT_EQ(RoundToPixel(2.49f), 2);
    EXPECT_EQ(RoundToPixel(2.51f), 3);
    EXPECT_EQ(RoundToPixel(-0.7f), -1);
}

TEST(SurfaceBoxes, SwappedCornersDrawTheSameTenByTenSquare) {
    for (const bool swapped : {false, true}) {
        SCOPED_TRACE(swapped ? "(20,20)-(10,10)" : "(10,10)-(20,20)");
        FreshSurface(30, 30);
        if (swapped) {
            DrawBox(20, 20, 10, 10, 0, Black, Salmon);
        } else {
            DrawBox(10, 10, 20, 20, 0, Black, Salmon);
        }
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                Color expected = White;
                if (Area{10, 10, 20, 20}.Contains(x, y)) {
                    expected = (x == 10 || x == 19 || y == 10 || y == 19) ? Black : Salmon;
                }
                ASSERT_EQ(SurfacePixel(x, y), expected) << "at " << x << "," << y;
            }
        }
    }
}

TEST(SurfaceBoxes, CornersRoundHalfToEven) {
    FreshSurface(20, 20);
    DrawBox(2.5f, 3.5f, 9.5f, 10.5f, 0, Black, TransparentColor);  // pixels 2..9 x 4..9
    EXPECT_EQ(SurfacePixel(2, 4), Black);
    EXPECT_EQ(SurfacePixel(9, 9), Black);
    EXPECT_EQ(SurfacePixel(1, 4), White);
    EXPECT_EQ(SurfacePixel(2, 3), White);
    EXPECT_EQ(SurfacePixel(10, 9), White);
    EXPECT_EQ(SurfacePixel(9, 10), White);
}

TEST(SurfaceBoxes, DefaultsAndHollowFill) {
    FreshSurface(20, 20, SkyBlue);
    SetSurfaceColors(Rgb(1, 2, 3), White);
    DrawBox(0, 0, 5, 5, 0, DefaultColor, DefaultColor);  // outline = foreground, fill = outline
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ(SurfacePixel(x, y), 0x030201);
    }
    DrawBox(8, 8, 14, 14, 0, Salmon, TransparentColor);
    EXPECT_EQ(SurfacePixel(8, 8), Salmon);
    EXPECT_EQ(SurfacePixel(13, 10), Salmon);
    EXPECT_EQ(SurfacePixel(9, 9), SkyBlue);
    EXPECT_EQ(SurfacePixel(12, 12), SkyBlue);
}

TEST(SurfaceBoxes, BoxesAreCutAtTheSurfaceEdgesAndEmptyBoxesDrawNothing) {
    FreshSurface(30, 20);
    DrawBox(-5, -5, 10, 10, 0, Black, Salmon);
    DrawBox(25, 15, 100, 100, 0, Black, Salmon);
    DrawBox(5, 12, 5, 18, 0, Black, Salmon);
    EXPECT_EQ(SurfacePixel(0, 0), Salmon);
    EXPECT_EQ(SurfacePixel(9, 0), Black);
    EXPECT_EQ(SurfacePixel(0, 9), Black);
    EXPECT_EQ(SurfacePixel(10, 0), White);
    EXPECT_EQ(SurfacePixel(25, 15), Black);
    EXPECT_EQ(SurfacePixel(29, 19), Salmon);
    EXPECT_EQ(SurfacePixel(24, 19), White);
    EXPECT_EQ(SurfacePixel(5, 14), White);
}

TEST(SurfaceBoxes, RoundedCornersStayInsideTheBoxAndClampTheirPercentage) {
    FreshSurface(40, 40);
    DrawBox(10, 10, 30, 30, 50, Black, Salmon);
    EXPECT_EQ(SurfacePixel(10, 10), White);  // cut off by the corner
    EXPECT_EQ(SurfacePixel(20, 10), Black);
    EXPECT_EQ(SurfacePixel(20, 20), Salmon);
    const Area ink = InkExtent(White);
    EXPECT_EQ(ink.x0, 10);
    EXPECT_EQ(ink.y0, 10);
    EXPECT_EQ(ink.x1, 30);
    EXPECT_EQ(ink.y1, 30);

    ClearSurface(White);
    DrawBox(10, 10, 30, 30, 100, Black, Salmon);
    const std::vector<Color> full = AllPixels();
    FreshSurface(40, 40);
    DrawBox(10, 10, 30, 30, 300, Black, Salmon);
    EXPECT_EQ(AllPixels(), full);
}

TEST(SurfaceFonts, StartUpEntriesAndIdenticalDescriptionsShareAHandle) {
    EXPECT_EQ(NewFont("MS Sans Serif", 8, 0), 1);
    EXPECT_EQ(NewFont("Lucida Console", 0, 0), 2);
    EXPECT_EQ(NewFont("Lucida Console", 11, 0), 3);

    const Handle arial7 = NewFont("Arial", 7, FontStyle::Bold);
    EXPECT_GT(arial7, 3);
    EXPECT_EQ(NewFont("Arial", 7, FontStyle::Bold), arial7);
    EXPECT_NE(NewFont("Arial", 12, FontStyle::Bold), arial7);
    EXPECT_NE(NewFont("Arial", 7, 0), arial7);
    EXPECT_NE(NewFont("Arial", 7, FontStyle::Bold | FontStyle::Italic), arial7);
    EXPECT_EQ(NewFont("Arial", 0, FontStyle::Bold), NewFont("Arial", 8, FontStyle::Bold));

    const std::string longFace(40, 'F');
    EXPECT_EQ(NewFont(longFace, 9, 0), NewFont(longFace.substr(0, 31), 9, 0));
    EXPECT_NE(NewFont(longFace.substr(0, 30), 9, 0), NewFont(longFace.substr(0, 31), 9, 0));
}

TEST(SurfaceFonts, PixelHeightIsPointsTimesResolutionOverSeventyTwo) {
    EXPECT_EQ(PointsToPixels(7, 96), 9);
    EXPECT_EQ(PointsToPixels(8, 96), 11);
    EXPECT_EQ(PointsToPixels(12, 96), 16);
    EXPECT_EQ(PointsToPixels(20, 96), 27);
    EXPECT_EQ(PointsToPixels(9, 120), 15);

    FreshSurface(200, 80);
    SetSurfaceColors(Black, White);
    const Handle arial20 = NewFont("Arial", 20, FontStyle::Bold);
    SetSurfaceFont(arial20);
    const int height = PointsToPixels(20, ScreenDotsPerInchY());  // 27 at 96 dpi
    ASSERT_NE(RasterFontOf(arial20), nullptr);
    EXPECT_EQ(RasterFontOf(arial20)->pixelHeight, height);
    const int lineHeight = CurrentLineHeight();
    EXPECT_GT(lineHeight, height);  // the character height plus internal leading
    EXPECT_LE(lineHeight, height * 13 / 10);
    // The pixel height is the character (em) height: a capital is about
    // 0.72 of it.
    SetTextPosition(10, 10);
    PrintText("X");
    const Area capital = InkExtent(White);
    EXPECT_GE(capital.y1 - capital.y0, height * 65 / 100);
    EXPECT_LE(capital.y1 - capital.y0, height * 78 / 100);

    // As a cell height the same size makes the whole line that high.
    ClearSurface(White);
    SetSurfaceFont(NewFont("Arial", 20, FontStyle::Bold | FontStyle::CellHeight));
    EXPECT_GE(CurrentLineHeight(), height);
    EXPECT_LE(CurrentLineHeight(), height + 1);
    SetTextPosition(10, 10);
    PrintText("X");
    const Area smaller = InkExtent(White);
    EXPECT_LT(smaller.y1 - smaller.y0, capital.y1 - capital.y0);
}

TEST(SurfaceFonts, SetSurfaceFontIgnoresUnknownHandlesAndReportsFontsItCannotMake) {
    FreshSurface(10, 10);
    SetSurfaceFont(0);
    const int defaultLine = CurrentLineHeight();
    SetSurfaceFont(NewFont("Arial", 20, FontStyle::Bold));
    const int bigLine = CurrentLineHeight();
    EXPECT_GT(bigLine, defaultLine);
    SetSurfaceFont(1);
    EXPECT_EQ(CurrentLineHeight(), defaultLine);
    SetSurfaceFont(NewFont("Arial", 20, FontStyle::Bold));

    ClearPendingError();
    SetSurfaceFont(FontCount() + 1);
    EXPECT_EQ(CurrentLineHeight(), bigLine);
    EXPECT_EQ(PendingError(), 0);
    SetSurfaceFont(NewFont("Arial", 0.1f, 0));  // rounds to no pixels at all
    EXPECT_EQ(CurrentLineHeight(), bigLine);
    EXPECT_EQ(TakePendingError(), 5);
}

TEST(SurfaceText, ConsecutivePrintsStartAtTheOriginAndGoDownOneLineEach) {
    FreshSurface(100, 100);
    SetTextPosition(30, 40);
    ClearSurface(White);
    EXPECT_EQ(CurrentTextPosition().x, 0);
    EXPECT_EQ(CurrentTextPosition().y, 0);

    SetSurfaceColors(Black, White);
    SetSurfaceFont(NewFont("Arial", 12, FontStyle::Bold));
    const int line = CurrentLineHeight();
    PrintText("X");
    EXPECT_EQ(CurrentTextPosition().x, 0);
    EXPECT_EQ(CurrentTextPosition().y, line);
    const Area first = InkExtent(White);
    ASSERT_GT(first.x1, 0);
    EXPECT_GE(first.y0, 0);
    EXPECT_LE(first.y1, line);

    ClearSurface(White);
    PrintText("X");
    PrintText("X");
    EXPECT_EQ(CurrentTextPosition().y, 2 * line);
    const Area both = InkExtent(White);
    EXPECT_EQ(both.x0, first.x0);
    EXPECT_EQ(both.x1, first.x1);
    EXPECT_EQ(both.y0, first.y0);
    EXPECT_EQ(both.y1, first.y1 + line);
}

TEST(SurfaceText, OpaqueTextFillsExactlyItsCellsWithTheBackground) {
    FreshSurface(100, 60);
    SetSurfaceFont(NewFont("Arial", 12, FontStyle::Bold));
    SetSurfaceColors(Black, Salmon);
    SetTextPosition(10.4f, 20.6f);
    PrintText("XX");
    const int line = CurrentLineHeight();
    const Area cells = InkExtent(White);
    EXPECT_EQ(cells.x0, 10);
    EXPECT_EQ(cells.y0, 21);
    EXPECT_EQ(cells.y1, 21 + line);
    EXPECT_GT(cells.x1 - cells.x0, 10);  // two capitals
    for (int y = cells.y0; y < cells.y1; ++y) {
        for (int x = cells.x0; x < cells.x1; ++x) ASSERT_NE(SurfacePixel(x, y), White);
    }
    EXPECT_EQ(SurfacePixel(10, 21), Salmon);  // above the capitals
    EXPECT_EQ(CurrentTextPosition().y, 21 + line);
}

TEST(SurfaceText, TransparentTextDrawsOnlyGlyphsAndKeepsTheBackgroundForClears) {
    FreshSurface(60, 40, SkyBlue);
    SetSurfaceFont(NewFont("Arial", 12, FontStyle::Bold));
    SetSurfaceColors(Black, Rgb(1, 2, 3));
    SetSurfaceColors(Black, TransparentColor);
    SetTextPosition(10, 10);
    PrintText("X");
    EXPECT_EQ(SurfacePixel(10, 10), SkyBlue);
    EXPECT_GT(InkExtent(SkyBlue).x1, 0);
    ClearSurface();
    EXPECT_EQ(SurfacePixel(30, 30), 0x030201);
}

TEST(SurfaceText, OutputIsCutAtTheLineTopThePositionAndTheSurfaceEdge) {
    FreshSurface(60, 80);
    SetSurfaceColors(Black, TransparentColor);
    SetSurfaceFont(NewFont("Arial", 20, FontStyle::Bold));
    const int line = CurrentLineHeight();
    // The ring and accent of this capital reach above the font's ascent.
    SetTextPosition(10, 30);
    PrintText("\xC7\xBA");
    const Area accented = InkExtent(White);
    EXPECT_EQ(accented.y0, 30);
    EXPECT_LE(accented.y1, 30 + line);

    // An italic "j" hooks to the left of its cell.
    ClearSurface(White);
    SetSurfaceFont(NewFont("Arial", 20, FontStyle::Bold | FontStyle::Italic));
    SetTextPosition(10, 5);
    PrintText("j");
    EXPECT_EQ(InkExtent(White).x0, 10);

    // The right edge cuts the text; its cells are filled up to the edge.
    ClearSurface(White);
    SetSurfaceFont(NewFont("Arial", 12, FontStyle::Bold));
    SetSurfaceColors(Black, Salmon);
    SetTextPosition(40, 5);
    PrintText("XXXXXXXX");
    const Area cut = InkExtent(White);
    EXPECT_EQ(cut.x0, 40);
    EXPECT_EQ(cut.x1, 60);
    EXPECT_EQ(CurrentTextPosition().x, 0);
    EXPECT_EQ(CurrentTextPosition().y, 5 + CurrentLineHeight());
}

TEST(SurfaceText, GlyphsMayOverhangTheirCellsToTheRight) {
    FreshSurface(60, 40);
    SetSurfaceFont(NewFont("Arial", 20, FontStyle::Bold | FontStyle::Italic));
    SetSurfaceColors(Black, Salmon);
    SetTextPosition(10, 5);
    PrintText("f");
    int cellEnd = 10;
    while (SurfacePixel(cellEnd, 5) == Salmon) ++cellEnd;
    EXPECT_GT(InkExtent(White).x1, cellEnd);
}

// A coupon cell of 15 x 15 pixels whose sign letter is printed at
// (left + 4, top + 2) in Arial 7 point bold.
void ExpectLetterInsideCell(const char* sign, int left, int top, bool marked) {
    SCOPED_TRACE(std::string(sign) + (marked ? " marked" : " unmarked"));
    FreshSurface(120, 280);
    const Color border = marked ? Black : Salmon;
    const Color fill = marked ? SkyBlue : White;
    DrawBox(left, top, left + 15, top + 15, 0, Black, fill);
    SetSurfaceColors(marked ? Black : Salmon, fill);
    SetSurfaceFont(NewFont("Arial", 7, FontStyle::Bold));
    SetTextPosition(left + 4, top + 2);
    PrintText(sign);
    if (!marked) DrawBox(left, top, left + 15, top + 15, 0, Salmon, TransparentColor);

    const Area box{left, top, left + 15, top + 15};
    const Area inside{left + 1, top + 1, left + 14, top + 14};
    int ink = 0;
    for (int y = 0; y < SurfaceHeight(); ++y) {
        for (int x = 0; x < SurfaceWidth(); ++x) {
            const Color pixel = SurfacePixel(x, y);
            if (inside.Contains(x, y)) {
                ink += pixel != fill ? 1 : 0;
            } else if (box.Contains(x, y)) {
                ASSERT_EQ(pixel, border) << "border at " << x << "," << y;
            } else {
                ASSERT_EQ(pixel, White) << "outside at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(ink, 5);
}

TEST(SurfaceText, CouponSignLettersStayInsideTheirCells) {
    for (const char* sign : {"1", "X", "2"}) {
        ExpectLetterInsideCell(sign, 64, 25, false);
        ExpectLetterInsideCell(sign, 94, 220, true);
    }
}

TEST(SurfaceText, ColumnNumberAndSignatureLeaveTheCellsAlone) {
    FreshSurface(810, 280);
    DrawBox(64, 25, 79, 40, 0, Black, White);    // first cell of the second column
    DrawBox(64, 220, 79, 235, 0, Black, White);  // its last cell
    SetSurfaceColors(Salmon, White);
    SetSurfaceFont(NewFont("Arial", 12, FontStyle::Bold));
    SetTextPosition(64 + 14, 3);
    PrintText("02");
    SetSurfaceFont(NewFont("Arial", 20, FontStyle::Bold));
    SetTextPosition(345, 242);
    PrintText("Velmar");
    for (int x = 64; x < 79; ++x) {
        EXPECT_EQ(SurfacePixel(x, 25), Black);
        EXPECT_EQ(SurfacePixel(x, 234), Black);
    }
    const Area all = InkExtent(White);
    EXPECT_GT(all.x1, 345);
    EXPECT_LT(all.y1, 280);
}

TEST(SurfaceSelection, AnUnknownSurfaceIsAnErrorAndLeavesNothingToDrawOn) {
    const Handle kept = FreshSurface(20, 20);
    ClearPendingError();
    SelectSurface(999999, 0, false);
    EXPECT_EQ(TakePendingError(), 5);
    EXPECT_EQ(SelectedSurface(), SurfaceRef{});
    EXPECT_EQ(SurfaceWidth(), 0);
    EXPECT_EQ(SurfacePixel(0, 0), -1);

    ClearSurface(Black);
    DrawBox(0, 0, 20, 20, 0, Black, Black);
    SetTextPosition(0, 0);
    PrintText("X");
    CopySurface(kept);
    EXPECT_FALSE(SaveSurfaceBitmap("/tmp/never-written.bmp"));
    EXPECT_EQ(PendingError(), 0);  // only the selection records an error

    SelectSurface(kept, 0, false);
    EXPECT_EQ(SelectedSurface(), (SurfaceRef{kept, 0}));
    EXPECT_EQ(InkExtent(White).x1, 0);
    // No picture control 7 on "window" kept: the handle names the off-screen surface.
    SelectSurface(kept, 7, true);
    EXPECT_EQ(SelectedSurface(), (SurfaceRef{kept, 0}));
    EXPECT_EQ(PendingError(), 0);
}

class PaintRecorder : public QWidget {
public:
    std::vector<QRect> painted;

protected:
    void paintEvent(QPaintEvent* event) override { painted.push_back(event->rect()); }
};

bool WaitUntilExposed(QWidget& widget) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 2000) {
        QCoreApplication::processEvents();
        if (widget.windowHandle() != nullptr && widget.windowHandle()->isExposed()) return true;
    }
    return false;
}

TEST(SurfaceSelection, PictureControlsRepaintOnlyWhatChangesAndOnlyInImmediateMode) {
    constexpr Handle window = 7001;
    PaintRecorder control;
    control.resize(40, 30);
    control.show();
    ASSERT_TRUE(WaitUntilExposed(control));

    SelectSurface(999999, 0, false);  // empty selection: the first control takes it
    TakePendingError();
    RegisterControlSurface(window, 3, &control, 40, 30, qRgb(1, 2, 3));
    EXPECT_EQ(SelectedSurface(), (SurfaceRef{window, 3}));
    EXPECT_EQ(SurfaceWidth(), 40);
    EXPECT_EQ(SurfacePixel(39, 29), 0x030201);
    const Handle other = FreshSurface(5, 5);
    RegisterControlSurface(window, 4, nullptr, 10, 10, qRgb(0, 0, 0));
    EXPECT_EQ(SelectedSurface(), (SurfaceRef{other, 0}));

    SelectSurface(window, 3, false);
    control.painted.clear();
    DrawBox(5, 6, 15, 16, 0, Black, White);
    ASSERT_EQ(control.painted.size(), 1u);
    EXPECT_EQ(control.painted[0], QRect(5, 6, 10, 10));
    const QImage* picture = ControlSurfaceImage(window, 3);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixel(5, 6) & 0xFFFFFFu, 0x000000u);
    EXPECT_EQ(picture->pixel(7, 8) & 0xFFFFFFu, 0xFFFFFFu);
    control.painted.clear();
    SetSurfaceFont(NewFont("Arial", 7, FontStyle::Bold));
    SetTextPosition(2, 18);
    PrintText("X");
    ASSERT_EQ(control.painted.size(), 1u);
    EXPECT_EQ(control.painted[0].topLeft(), QPoint(2, 18));
    EXPECT_EQ(control.painted[0].height(), CurrentLineHeight());
    EXPECT_LT(control.painted[0].width(), 38);  // the letter, not the rest of the line

    SelectSurface(window, 3, true);
    control.painted.clear();
    DrawBox(20, 6, 30, 16, 0, Black, White);
    ClearSurface(White);
    EXPECT_TRUE(control.painted.empty());

    UnregisterWindowSurfaces(window);
    EXPECT_EQ(SelectedSurface(), SurfaceRef{});
    EXPECT_EQ(ControlSurfaceImage(window, 3), nullptr);
    EXPECT_EQ(ControlSurfaceImage(window, 4), nullptr);
    ClearPendingError();
    SelectSurface(window, 3, false);
    EXPECT_EQ(TakePendingError(), 5);
}

TEST(SurfaceCopy, CopiesTheCommonAreaCornerToCornerAndLeavesTheRest) {
    const Handle source = FreshSurface(30, 10, Salmon);
    DrawBox(19, 4, 20, 5, 0, Black, Black);

    FreshSurface(20, 20);
    CopySurface(source);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const Color expected = y >= 10 ? White : (x == 19 && y == 4 ? Black : Salmon);
            ASSERT_EQ(SurfacePixel(x, y), expected) << "at " << x << "," << y;
        }
    }

    FreshSurface(40, 5);
    CopySurface(source);
    EXPECT_EQ(SurfacePixel(29, 4), Salmon);
    EXPECT_EQ(SurfacePixel(19, 4), Black);
    EXPECT_EQ(SurfacePixel(30, 0), White);

    const std::vector<Color> before = AllPixels();
    ClearPendingError();
    CopySurface(999999);
    EXPECT_EQ(AllPixels(), before);
    EXPECT_EQ(PendingError(), 0);
}

class SurfaceBitmapFile : public testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return temp_ / name; }

    static std::vector<std::uint8_t> Bytes(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    static void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    // 5 x 3: white, with a coloured top-left and bottom-right pixel.
    static void DrawSmallPicture() {
        FreshSurface(5, 3);
        DrawBox(0, 0, 1, 1, 0, Rgb(1, 2, 3), DefaultColor);
        DrawBox(4, 2, 5, 3, 0, Rgb(10, 20, 30), DefaultColor);
    }

    TempFolder temp_{"surface_test"};
};

std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes.at(offset) | (bytes.at(offset + 1) << 8) | (bytes.at(offset + 2) << 16) |
           (static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24);
}

TEST_F(SurfaceBitmapFile, SavesTheSelectedSurfaceBottomUp) {
    DrawSmallPicture();
    const std::string path = PathOf("picture.bmp");
    ASSERT_TRUE(SaveSurfaceBitmap(path));
    const auto bytes = Bytes(path);
    ASSERT_EQ(bytes.size(), 54u + 3 * 16);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Read32(bytes, 2), 102u);
    EXPECT_EQ(Read32(bytes, 18), 5u);
    EXPECT_EQ(Read32(bytes, 22), 3u);
    EXPECT_EQ(bytes[28], 24);

    const std::size_t bottomRow = 54;
    const std::size_t topRow = 54 + 2 * 16;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + bottomRow + 12, bytes.begin() + bottomRow + 16),
              (std::vector<std::uint8_t>{30, 20, 10, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + topRow, bytes.begin() + topRow + 6),
              (std::vector<std::uint8_t>{3, 2, 1, 255, 255, 255}));
}

TEST_F(SurfaceBitmapFile, SavingOverALongerFileLeavesExactlyTheNewBitmap) {
    DrawSmallPicture();
    const std::string fresh = PathOf("fresh.bmp");
    const std::string reused = PathOf("reused.bmp");
    Write(reused, std::vector<std::uint8_t>(1000, 0xAB));
    ASSERT_TRUE(SaveSurfaceBitmap(fresh));
    ASSERT_TRUE(SaveSurfaceBitmap(reused));
    EXPECT_EQ(std::filesystem::file_size(reused), 102u);
    EXPECT_EQ(Bytes(reused), Bytes(fresh));
}

TEST_F(SurfaceBitmapFile, FailsWithoutTouchingReadOnlyOrLockedFiles) {
    DrawSmallPicture();
    const std::string path = PathOf("kept.bmp");
    const std::vector<std::uint8_t> old(200, 0x5A);
    Write(path, old);

    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(SaveSurfaceBitmap(path));
    EXPECT_EQ(Bytes(path), old);
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);

    const int holder = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX), 0);
    EXPECT_FALSE(SaveSurfaceBitmap(path));
    EXPECT_EQ(Bytes(path), old);
    close(holder);

    EXPECT_TRUE(SaveSurfaceBitmap(path));
    EXPECT_EQ(std::filesystem::file_size(path), 102u);
}

TEST_F(SurfaceBitmapFile, FailsOnAFullDeviceAnEmptyNameOrAMissingFolder) {
    DrawSmallPicture();
    if (access("/dev/full", W_OK) == 0) {
        EXPECT_FALSE(SaveSurfaceBitmap("/dev/full"));
    }
    EXPECT_FALSE(SaveSurfaceBitmap(""));
    EXPECT_FALSE(SaveSurfaceBitmap(PathOf("missing/picture.bmp")));
}

}  // namespace
