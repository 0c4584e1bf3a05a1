// The reducer driven as a user would, headless.

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>
#include <QHelpEvent>
#include <QWidget>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <tuple>

#include "bet_file.h"
#include "bet_record_file.h"
#include "generation.h"
#include "keeper_settings.h"
#include "keeper_window.h"
#include "program_folder.h"
#include "reducer_window.h"
#include "locking_process.h"
#include "window_driver.h"
#include "window_test_bridge.h"

namespace {

constexpr QRgb SkyBlueRgb = 0x87CEFA;
constexpr QRgb WhiteRgb = 0xFFFFFF;
constexpr std::size_t ShownPictureBytes = 54 + 452 * 280;  // 150 × 280, rows of 452

struct Reducer {
    ReducerApp app;
    int result = -1;
    std::unique_ptr<WindowDriver> driver;

    Reducer() {
        StartReducer(app);
        BeginModal(app.coupon.window, ReducerHandler(app), &result);
        driver = std::make_unique<WindowDriver>(app.coupon.window, app.coupon.menuBar);
    }
    ~Reducer() {
        CloseProgramWindow(app.coupon.window);
    }
    WindowDriver* operator->() { return driver.get(); }
    QRgb cellInside(int c, int s, int r) {
        return driver->pictureAt(15 + 49 * c + 15 * s + 1, 25 + 15 * r + 13);
    }
};

struct Keeper {
    CouponApp app;
    int result = -1;
    std::unique_ptr<WindowDriver> driver;
    Keeper() {
        StartKeeper(app, Keeper16Settings);
        BeginModal(app.window, KeeperHandler(app), &result);
        driver = std::make_unique<WindowDriver>(app.window, app.menuBar);
    }
    ~Keeper() {
        CloseProgramWindow(app.window);
    }
};

void PressKeys(std::initializer_list<Qt::Key> keys) {
    for (const Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key);
}

}  // namespace

class ReducerWindowTest : public QObject {
    Q_OBJECT

    std::string folder_ = ProgramFolder();
    std::string bet_ = BetFilePath(folder_);

private slots:
    void init() {
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            if (entry.path().filename() != "reducer_window_tests") {
                std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add);
                std::filesystem::remove_all(entry.path());
            }
    }

    void windowControlsAndMenu() {
        Reducer reducer;
        QCOMPARE(WidgetOf(reducer.app.coupon.window)->size(), QSize(290, 360));
        QCOMPARE(reducer->picture().size(), QSize(150, 280));
        QVERIFY(reducer->control(103) == nullptr);
        QVERIFY(reducer->control(102) != nullptr);
        QVERIFY(reducer->menuEnabled(GenerateReducedId));
        QVERIFY(reducer->menuEnabled(ClearCouponId));
        // Two empty columns, white around them.
        QCOMPARE(reducer->pictureAt(15, 25), 0xFF8080u);
        QCOMPARE(reducer->pictureAt(113, 30), WhiteRgb);
        QCOMPARE(reducer->pictureAt(140, 100), WhiteRgb);
    }

    void clicksReachOnlyTheTwoInputColumns() {
        Reducer reducer;
        reducer->clickPicture(30, 25);
        QCOMPARE(reducer.app.coupon.tables.markTable.at(0, 0, 0), 1);
        QCOMPARE(reducer.cellInside(0, 0, 0), SkyBlueRgb);
        reducer->clickPicture(31, 25);
        QCOMPARE(reducer.app.coupon.tables.markTable.at(0, 1, 0), 1);
        reducer->clickPicture(109, 234);
        QCOMPARE(reducer.app.coupon.tables.markTable.at(1, 2, 13), 1);
        const QImage before = reducer->picture();
        for (const auto& [x, y] : {std::pair{62, 30}, {110, 25}, {149, 100}, {20, 24}, {20, 235}})
            reducer->clickPicture(x, y);
        QCOMPARE(reducer->picture(), before);
        reducer->clickPicture(30, 25);
        QCOMPARE(reducer.app.coupon.tables.markTable.at(0, 0, 0), 0);
        QCOMPARE(reducer.cellInside(0, 0, 0), WhiteRgb);
    }

    void keysReachOnlyTheInputColumnsAndGenerateAsClicks() {
        std::vector<unsigned char> clicked;
        {
            Reducer reducer;
            for (const auto& [c, s, r] : {std::tuple{0, 0, 1}, {1, 1, 1}, {1, 2, 0}})
                reducer->clickPicture(15 + 49 * c + 15 * s + 7, 25 + 15 * r + 7);
            QVERIFY(reducer->choose(GenerateReducedId));
            clicked = FileBytes(bet_);
        }
        std::filesystem::remove(bet_);
        Reducer reducer;
        QWidget* top = WidgetOf(reducer.app.coupon.window);
        QApplication::setActiveWindow(top);
        QVERIFY(QTest::qWaitForWindowActive(top));
        reducer->control(101)->setFocus();
        PressKeys({Qt::Key_Tab, Qt::Key_Tab});  // past "BMP": there is no "Reset"
        QCOMPARE(FocusedControl(), reducer.app.coupon.pictureControl);
        PressKeys({Qt::Key_Down, Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                   Qt::Key_Right, Qt::Key_Return});
        // Column 02 is the last the cursor reaches.
        PressKeys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Space});
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(reducer->control(100));
        QCOMPARE(table->childCount(), 84);
        int checked = 0;
        for (int k = 0; k < table->childCount(); ++k) checked += table->child(k)->state().checked;
        QCOMPARE(checked, 3);
        QVERIFY(table->tableInterface()->cellAt(0, 5)->state().checked);
        QCOMPARE(table->tableInterface()->cellAt(0, 5)->text(QAccessible::Name),
                 QStringLiteral("Columna 02, partido 01, 2"));
        QVERIFY(reducer->choose(GenerateReducedId));
        QCOMPARE(FileBytes(bet_), clicked);
    }

    void generationLeavesThePictureAndFeedsTheKeeper() {
        Reducer reducer;
        reducer->clickPicture(20, 45);   // match 2, first sign "1"
        reducer->clickPicture(84, 45);   // match 2, second sign "X"
        reducer->clickPicture(50, 100);  // match 6, first sign "2"
        const QImage shown = reducer->picture();
        QVERIFY(reducer->choose(GenerateReducedId));
        QVERIFY(reducer->boxes.isEmpty());
        QCOMPARE(reducer->picture(), shown);
        QCOMPARE(reducer.app.coupon.tables.markTable.at(1, 1, 1), 1);
        QCOMPARE(FileBytes(folder_ + ReducedPictureName).size(), std::size_t{345014});
        QCOMPARE(FileBytes(bet_).size(), std::size_t{112 * 12});

        // A click now draws on the shown picture, not on the generated one.
        reducer->clickPicture(20, 25);
        QCOMPARE(reducer.cellInside(0, 0, 0), SkyBlueRgb);

        Keeper keeper;
        QVERIFY(keeper.driver->choose(ShowBetId));
        const int expected[8] = {0, 0, 1, 1, 2, 2, 0, 0};
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(keeper.app.tables.markTable.at(c, expected[c], 1), 1);
            QCOMPARE(keeper.app.tables.markTable.at(c, 2, 5), 1);
            QCOMPARE(keeper.driver->pictureAt(15 + 49 * c + 15 * expected[c] + 1, 25 + 15 + 13),
                     SkyBlueRgb);
        }
    }

    void aClickDuringTheGenerationTogglesNothing() {
        Reducer reducer;
        QWidget* picture = reducer->control(100);
        const QPointF at = picture->contentsRect().topLeft() + QPoint(20, 25);
        // Waiting in the queue, it is handled while the columns are drawn.
        QCoreApplication::postEvent(picture, new QMouseEvent(QEvent::MouseButtonPress, at,
                                                             picture->mapToGlobal(at),
                                                             Qt::LeftButton, Qt::LeftButton,
                                                             Qt::NoModifier));
        QVERIFY(reducer->choose(GenerateReducedId));
        QCOMPARE(reducer.app.coupon.tables.markTable.at(0, 0, 0), 0);
        QCOMPARE(reducer.cellInside(0, 0, 0), WhiteRgb);
        // Nothing of the generated columns reached the shown picture...
        QCOMPARE(reducer->pictureAt(15 + 49 * 2 + 1, 25 + 13), WhiteRgb);
        QCOMPARE(reducer.cellInside(1, 0, 0), WhiteRgb);
        // ...and the saved picture holds all eight columns, drawn whole.
        const auto bytes = FileBytes(folder_ + ReducedPictureName);
        QCOMPARE(bytes.size(), std::size_t{345014});
        for (int c = 0; c < 8; ++c) {
            const std::size_t at = 54 + std::size_t(279 - (25 + 15 * 13 + 13)) * 1232 +
                                   std::size_t(15 + 49 * c + 1) * 3;
            QCOMPARE(bytes[at], (unsigned char)0xFA);
        }
    }

    void aFolderThatCannotBeWrittenGivesAtMostTwoBoxes() {
        Reducer reducer;
        reducer->clickPicture(20, 25);
        chmod(folder_.c_str(), 0555);  // refused by the services even for root
        QVERIFY(reducer->choose(GenerateReducedId));
        chmod(folder_.c_str(), 0755);
        QCOMPARE(reducer->boxes.size(), 2);
        QCOMPARE(reducer->boxes[0].text, QStringLiteral("Err:  70 Permission denied"));
        QCOMPARE(reducer->boxes[0].title, QStringLiteral("Velmar Soft"));
        QCOMPARE(reducer->boxes[1].text, QStringLiteral("No se ha podido grabar el fichero ..."));
        QVERIFY(!std::filesystem::exists(bet_));
        QVERIFY(!std::filesystem::exists(folder_ + ReducedPictureName));
    }

    void aFailedPictureSaveKeepsTheOldPicture() {
        Reducer reducer;
        QVERIFY(reducer->choose(GenerateReducedId));
        const auto old = FileBytes(folder_ + ReducedPictureName);
        const auto oldBet = FileBytes(bet_);
        reducer->clickPicture(50, 100);  // match 6, first sign "2"
        {
            LockingProcess other(folder_ + ReducedPictureName);
            QVERIFY(reducer->choose(GenerateReducedId));
        }
        QCOMPARE(reducer->boxes.size(), 1);
        QCOMPARE(reducer->boxes[0].text, QStringLiteral("No se ha podido grabar el fichero ..."));
        QCOMPARE(FileBytes(folder_ + ReducedPictureName), old);
        QVERIFY(FileBytes(bet_) != oldBet);  // the bet was stored all the same
    }

    void theGeneratedSystemsGuaranteeIsOfferedUntilTheInputChanges() {
        Reducer reducer;
        // Second signs on ten matches: the table makes 2, 8 and 10 triples.
        for (int match : {2, 3, 4, 5, 6, 7, 8, 10, 12, 13})
            reducer->clickPicture(15 + 49 + 15 + 7, 25 + 15 * (match - 1) + 7);
        QVERIFY(reducer->choose(GenerateReducedId));
        QVERIFY(reducer->boxes.isEmpty());
        QWidget* picture = reducer->control(100);
        const QStringList lines = picture->accessibleDescription().split(QLatin1Char('\n'));
        QVERIFY(lines.size() >= 3);
        QCOMPARE(lines[0], QString::fromUtf8("Garantía: 10 aciertos"));
        QVERIFY2(lines[1].startsWith(QStringLiteral("3456 ")), qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith(QStringLiteral("14 aciertos: 8 ")), qPrintable(lines[2]));
        const QPoint at = picture->contentsRect().topLeft() + QPoint(130, 250);
        QHelpEvent help(QEvent::ToolTip, at, picture->mapToGlobal(at));
        QApplication::sendEvent(picture, &help);
        QCOMPARE(QToolTip::text(), picture->accessibleDescription());

        reducer->clickPicture(20, 25);
        QCOMPARE(picture->accessibleDescription(), QString());
        QVERIFY(reducer->choose(GenerateReducedId));
        QVERIFY(!picture->accessibleDescription().isEmpty());
        QVERIFY(reducer->choose(ClearCouponId));
        QCOMPARE(picture->accessibleDescription(), QString());
    }

    void clearingAfterAGenerationKeepsTheFiles() {
        Reducer reducer;
        reducer->clickPicture(20, 25);
        QVERIFY(reducer->choose(GenerateReducedId));
        QVERIFY(reducer->choose(ClearCouponId));
        QCOMPARE(reducer.cellInside(0, 0, 0), WhiteRgb);
        QCOMPARE(reducer.app.coupon.tables.markTable.at(0, 0, 0), 0);
        QVERIFY(std::filesystem::exists(bet_));
        QVERIFY(std::filesystem::exists(folder_ + ReducedPictureName));
    }

    void aLockedOldBetIsKept() {
        QVERIFY(AppendBetRecords(bet_, {{15, 2, 13}}));
        Reducer reducer;
        {
            LockingProcess other(bet_);
            QVERIFY(reducer->choose(GenerateReducedId));
        }
        QCOMPARE(reducer->boxes.size(), 1);
        QCOMPARE(reducer->boxes[0].text, QStringLiteral("No se ha podido borrar el fichero ..."));
        QCOMPARE(reducer->boxes[0].title, QStringLiteral("Programador"));
        QCOMPARE(FileBytes(bet_).size(), std::size_t{12});
        QCOMPARE(FileBytes(folder_ + ReducedPictureName).size(), std::size_t{345014});
    }

    void unsavablePictureIsReported() {
        std::filesystem::create_directory(folder_ + ReducedPictureName);
        Reducer reducer;
        QVERIFY(reducer->choose(GenerateReducedId));
        QCOMPARE(reducer->boxes.size(), 1);
        QCOMPARE(reducer->boxes[0].text, QStringLiteral("No se ha podido grabar el fichero ..."));
        QCOMPARE(reducer->boxes[0].title, QStringLiteral("Programador ..."));
        QCOMPARE(FileBytes(bet_).size(), std::size_t{112 * 12});
    }

    void bmpNameRules() {
        Reducer reducer;
        reducer->pressButton(102);
        QVERIFY(reducer->boxes.isEmpty());

        for (const char* refused : {"foto", "foto.bmp.txt", "*.bmp", "?.bmp", "a*b.bmp"}) {
            reducer->clearBoxes();
            reducer->typeFileName(QString::fromUtf8(refused));
            reducer->pressButton(102);
            QCOMPARE(reducer->boxes.size(), 1);
            QCOMPARE(reducer->boxes[0].text,
                     QStringLiteral("Tienes que poner un nombre de fichero y '.bmp'"));
            QCOMPARE(reducer->boxes[0].title, QStringLiteral("Programador ..."));
        }

        // Other pictures stay, whatever the name held.
        reducer->typeFileName(QStringLiteral("a.bmp"));
        reducer->pressButton(102);
        reducer->typeFileName(QStringLiteral("b.BMP"));
        reducer->pressButton(102);
        QCOMPARE(reducer->boxes.last().text, QStringLiteral("Ya ha sido grabado ..."));
        QCOMPARE(FileBytes(folder_ + "a.bmp").size(), ShownPictureBytes);
        QCOMPARE(FileBytes(folder_ + "b.BMP").size(), ShownPictureBytes);

        // The same name again replaces the file, read-only or not.
        std::filesystem::permissions(folder_ + "a.bmp", std::filesystem::perms::owner_read);
        reducer->clickPicture(20, 25);
        reducer->typeFileName(QStringLiteral("a.bmp"));
        reducer->pressButton(102);
        QCOMPARE(reducer->boxes.last().text, QStringLiteral("Ya ha sido grabado ..."));
        const auto bytes = FileBytes(folder_ + "a.bmp");
        QCOMPARE(bytes.size(), ShownPictureBytes);
        const std::size_t at = 54 + std::size_t(279 - 38) * 452 + 16 * 3;
        QCOMPARE(bytes[at], (unsigned char)0xFA);
        QVERIFY(std::filesystem::exists(folder_ + "b.BMP"));

        reducer->typeFileName(QStringLiteral("no-folder/x.bmp"));
        reducer->pressButton(102);
        QCOMPARE(reducer->boxes.last().text, QStringLiteral("No se ha podido grabar el fichero ..."));
    }
};

QTEST_MAIN(ReducerWindowTest)
#include "reducer_window_test.moc"
