// The keepers driven as a user would, headless: clicks on the picture,
// menu commands, typed names, buttons and message boxes.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QWidget>

#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <fstream>

#include "bet_file.h"
#include "coupon_colors.h"
#include "keeper_settings.h"
#include "keeper_pages.h"
#include "keeper_window.h"
#include "running_keeper.h"
#include "main_window_shell.h"
#include "program_folder.h"
#include "locking_process.h"
#include "window_driver.h"
#include "window_test_bridge.h"

namespace {

// Surface colours read back from Qt are 0xRRGGBB.
constexpr QRgb SalmonRgb = 0xFF8080;
constexpr QRgb SkyBlueRgb = 0x87CEFA;
constexpr QRgb WhiteRgb = 0xFFFFFF;
constexpr QRgb BlackRgb = 0x000000;

const QString Programador = QStringLiteral("Programador");

// What screen readers were told while a test listens.
struct Heard {
    QAccessible::Event type;
    QString name;
    bool checkedChanged;
};
std::vector<Heard> heard;

// Offscreen no screen reader is ever active, so Qt would drop the events
// before an update handler: the services' tap sees them instead.
struct ScreenReader {
    ScreenReader() {
        heard.clear();
        SetAccessibleEventTap([](QAccessibleEvent* event) {
            QAccessibleInterface* iface = event->accessibleInterface();
            const bool checked = event->type() == QAccessible::StateChanged &&
                                 static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked;
            heard.push_back({event->type(), iface ? iface->text(QAccessible::Name) : QString(), checked});
        });
    }
    ~ScreenReader() { SetAccessibleEventTap(nullptr); }
    bool toldChecked(const QString& cell) const {
        return std::any_of(heard.begin(), heard.end(),
                           [&](const Heard& h) { return h.checkedChanged && h.name == cell; });
    }
};

// The names of the picture's cells shown checked.
QStringList CheckedCells(QAccessibleInterface* table) {
    QStringList names;
    for (int k = 0; k < table->childCount(); ++k)
        if (table->child(k)->state().checked) names << table->child(k)->text(QAccessible::Name);
    return names;
}

}  // namespace

class KeeperWindowTest : public QObject {
    Q_OBJECT

    std::string folder_ = ProgramFolder();
    std::string bet_ = BetFilePath(folder_);

private slots:
    void init() {
        RemoveBetAndPictures(folder_);
        std::filesystem::remove(folder_ + "1x2 - Jornada.json");
    }

    void windowAndMenuFollowTheBetFile() {
        Keeper keeper(Keeper16Settings);
        QWidget* top = WidgetOf(keeper.app.window);
        QCOMPARE(top->size(), QSize(830, 360));
        QCOMPARE(top->windowTitle(), QStringLiteral("1X2 ..."));
        QVERIFY(keeper->menuEnabled(SaveBetId));
        QVERIFY(keeper->menuEnabled(ClearCouponId));
        QVERIFY(!keeper->menuEnabled(ShowBetId));
        QVERIFY(!keeper->menuEnabled(CheckBetId));
        QVERIFY(!keeper->menuEnabled(DeleteBetId));
        // The coupon is shown, not the black of the first clear.
        QCOMPARE(keeper.cellBorder(0, 0, 0), SalmonRgb);
        QCOMPARE(keeper->pictureAt(5, 5), WhiteRgb);
        QCOMPARE(keeper.app.programFolder, folder_);

        WriteRecords(bet_, {{0, 0, 0}});
        Keeper second(Keeper16Settings);
        for (int id : {SaveBetId, ShowBetId, CheckBetId, ClearCouponId, DeleteBetId})
            QVERIFY(second->menuEnabled(id));
    }

    void clicksMarkTheShownPicture() {
        Keeper keeper(Keeper16Settings);
        keeper->clickPicture(30, 25);
        QCOMPARE(keeper.app.tables.markTable.at(0, 0, 0), 1);
        QCOMPARE(keeper.cellBorder(0, 0, 0), BlackRgb);
        QCOMPARE(keeper.cellInside(0, 0, 0), SkyBlueRgb);
        keeper->clickPicture(31, 25);
        QCOMPARE(keeper.app.tables.markTable.at(0, 1, 0), 1);
        keeper->clickPicture(62, 30);
        keeper->clickPicture(20, 24);
        keeper->clickPicture(30, 25);
        QCOMPARE(keeper.app.tables.markTable.at(0, 0, 0), 0);
        QCOMPARE(keeper.cellInside(0, 0, 0), WhiteRgb);
        QCOMPARE(keeper.app.tables.resultMarks.at(0, 1, 0), 1);
    }

    void saveWritesTheMarkedCellsInOrder() {
        Keeper keeper(Keeper16Settings);
        keeper.clickCell(2, 0, 13);
        keeper.clickCell(0, 1, 0);
        QVERIFY(keeper->choose(SaveBetId));
        QCOMPARE(keeper->boxes.size(), 1);
        QCOMPARE(keeper->boxes[0].text, QStringLiteral("Grabado ..."));
        QCOMPARE(keeper->boxes[0].title, Programador);
        const std::vector<unsigned char> expected{0, 0, 0, 0, 1, 0, 0, 0, 0,  0, 0, 0,
                                                  2, 0, 0, 0, 0, 0, 0, 0, 13, 0, 0, 0};
        QCOMPARE(FileBytes(bet_), expected);
        QVERIFY(keeper->menuEnabled(ShowBetId));
        QVERIFY(keeper->menuEnabled(DeleteBetId));
    }

    void savingNothingCreatesNoFile() {
        Keeper keeper(Keeper16Settings);
        QVERIFY(keeper->choose(SaveBetId));
        QCOMPARE(keeper->boxes.size(), 1);
        QCOMPARE(keeper->boxes[0].text, QStringLiteral("Grabado ..."));
        QVERIFY(!std::filesystem::exists(bet_));
        QVERIFY(!keeper->menuEnabled(CheckBetId));
    }

    void overwriteAsksFirst() {
        WriteRecords(bet_, {{5, 1, 1}});
        Keeper keeper(Keeper16Settings);
        keeper.clickCell(1, 2, 3);

        keeper->answer({QMessageBox::No});
        QVERIFY(keeper->choose(SaveBetId));
        QCOMPARE(keeper->boxes.size(), 2);
        QCOMPARE(keeper->boxes[0].text, QStringLiteral("El fichero existe ...\nSobrescribir ?"));
        QCOMPARE(keeper->boxes[1].text, QStringLiteral("Grabacion Abortada ..."));
        QCOMPARE(Records(bet_), (std::vector<BetRecord>{{5, 1, 1}}));

        keeper->clearBoxes();
        keeper->answer({QMessageBox::Yes});
        QVERIFY(keeper->choose(SaveBetId));
        QCOMPARE(keeper->boxes.size(), 1);  // only the question, never "Grabado ..."
        QCOMPARE(Records(bet_), (std::vector<BetRecord>{{1, 2, 3}}));

        // Overwriting with nothing marked leaves no file and greys the menu.
        keeper.clickCell(1, 2, 3);
        keeper->answer({QMessageBox::Yes});
        QVERIFY(keeper->choose(SaveBetId));
        QVERIFY(!std::filesystem::exists(bet_));
        QVERIFY(!keeper->menuEnabled(ShowBetId));
    }

    void overwriteOfALockedFileChangesNothing() {
        WriteRecords(bet_, {{5, 1, 1}});
        Keeper keeper(Keeper16Settings);
        keeper.clickCell(1, 2, 3);
        {
            LockingProcess other(bet_);
            keeper->answer({QMessageBox::Yes});
            QVERIFY(keeper->choose(SaveBetId));
        }
        QCOMPARE(keeper->boxes.size(), 2);
        QCOMPARE(keeper->boxes[1].text, QStringLiteral("No se ha podido borrar el fichero ..."));
        QCOMPARE(keeper->boxes[1].title, Programador);
        QCOMPARE(Records(bet_), (std::vector<BetRecord>{{5, 1, 1}}));
    }

    void aFailedSaveIsOneBoxAndNotCalledSaved() {
        // A bet file name that leads into a missing folder cannot be created.
        std::filesystem::create_symlink(folder_ + "missing-folder/bet", bet_);
        Keeper keeper(Keeper16Settings);
        keeper.clickCell(0, 0, 0);
        keeper.clickCell(3, 1, 2);
        QVERIFY(keeper->choose(SaveBetId));
        QVERIFY(std::filesystem::is_symlink(bet_));
        std::filesystem::remove(bet_);
        QCOMPARE(keeper->boxes.size(), 1);
        QCOMPARE(keeper->boxes[0].text, QStringLiteral("Err:  76 Path not found"));
        QCOMPARE(keeper->boxes[0].title, QStringLiteral("Velmar Soft"));
    }

    void showDrawsTheStoredMarks() {
        Keeper keeper(Keeper16Settings);
        QVERIFY(!keeper->choose(ShowBetId));  // greyed without a bet file
        ShowBetCommandWithoutFile(keeper);

        WriteRecords(bet_, {{4, 1, 6}, {15, 2, 13}});
        keeper.clickCell(0, 0, 0);
        UpdateMenus(keeper);
        QVERIFY(keeper->choose(ShowBetId));
        QCOMPARE(keeper.cellInside(4, 1, 6), SkyBlueRgb);
        QCOMPARE(keeper.cellInside(15, 2, 13), SkyBlueRgb);
        QCOMPARE(keeper.cellInside(0, 0, 0), SkyBlueRgb);  // the clicked mark stays visible
        QCOMPARE(keeper.app.tables.markTable.at(0, 0, 0), 0);
        QVERIFY(keeper->boxes.isEmpty());
    }

    void checkHighlightsExactlyTheHits() {
        std::vector<BetRecord> stored;
        for (int r = 0; r < 14; ++r) stored.push_back({3, 0, r});
        WriteRecords(bet_, stored);
        Keeper keeper(Keeper16Settings);
        for (int r = 0; r < 14; ++r) keeper.clickCell(0, r < 7 ? 0 : 2, r);

        for (int pass = 0; pass < 2; ++pass) {
            QVERIFY(keeper->choose(CheckBetId));
            for (int r = 0; r < 14; ++r) {
                QCOMPARE(keeper.cellInside(3, 0, r), r < 7 ? SkyBlueRgb : WhiteRgb);
                QCOMPARE(keeper.cellBorder(3, 0, r), r < 7 ? BlackRgb : SalmonRgb);
                QCOMPARE(keeper.cellInside(0, r < 7 ? 0 : 2, r), WhiteRgb);
            }
        }
        QVERIFY(keeper->boxes.isEmpty());

        // After clearing there is no result left, so nothing is a hit.
        QVERIFY(keeper->choose(ClearCouponId));
        QVERIFY(keeper->choose(CheckBetId));
        for (int r = 0; r < 7; ++r) QCOMPARE(keeper.cellInside(3, 0, r), WhiteRgb);
        // The next click brings back the clicked coupon.
        keeper.clickCell(9, 1, 1);
        QCOMPARE(keeper.cellInside(9, 1, 1), SkyBlueRgb);
        QCOMPARE(keeper.cellBorder(3, 0, 0), SalmonRgb);
    }

    void resetClearsMarksAndResult() {
        Keeper keeper(Keeper16Settings);
        keeper.clickCell(0, 1, 1);
        keeper.clickCell(5, 1, 1);
        keeper->pressButton(ResetButtonId);
        QCOMPARE(keeper.app.tables.markTable.at(5, 1, 1), 0);
        QCOMPARE(keeper.app.tables.resultMarks.at(0, 1, 1), 0);
        QCOMPARE(keeper.cellInside(5, 1, 1), WhiteRgb);
        QCOMPARE(keeper.cellBorder(5, 1, 1), SalmonRgb);
    }

    void deleteAsksAndFollowsTheFile() {
        WriteRecords(bet_, {{0, 0, 0}});
        Keeper keeper(Keeper16Settings);
        keeper->answer({QMessageBox::No});
        QVERIFY(keeper->choose(DeleteBetId));
        QCOMPARE(keeper->boxes.size(), 1);
        QCOMPARE(keeper->boxes[0].text, QStringLiteral("Realmente quiere borrar el fichero ... ?"));
        QVERIFY(std::filesystem::exists(bet_));

        {
            LockingProcess other(bet_);
            keeper->answer({QMessageBox::Yes});
            QVERIFY(keeper->choose(DeleteBetId));
        }
        QCOMPARE(keeper->boxes.last().text, QStringLiteral("No se ha podido borrar el fichero ..."));
        QVERIFY(std::filesystem::exists(bet_));
        QVERIFY(keeper->menuEnabled(DeleteBetId));

        chmod(bet_.c_str(), 0444);  // read-only: made writable first
        keeper->answer({QMessageBox::Yes});
        QVERIFY(keeper->choose(DeleteBetId));
        QCOMPARE(keeper->boxes.last().text, QStringLiteral("Fichero borrado ..."));
        QCOMPARE(keeper->boxes.last().title, Programador);
        QVERIFY(!std::filesystem::exists(bet_));
        QVERIFY(!keeper->menuEnabled(DeleteBetId));
        QVERIFY(keeper->menuEnabled(SaveBetId));
    }

    void bmpSavesWhatThePictureShows() {
        Keeper keeper(Keeper16Settings);
        keeper.clickCell(1, 1, 1);

        keeper->pressButton(BmpButtonId);  // empty name: nothing at all
        QVERIFY(keeper->boxes.isEmpty());

        keeper->typeFileName(QStringLiteral("foto"));
        keeper->pressButton(BmpButtonId);
        QCOMPARE(keeper->boxes.last().text,
                 QStringLiteral("Tienes que poner un nombre de fichero y '.bmp'"));
        QCOMPARE(keeper->boxes.last().title, QStringLiteral("Programador ..."));
        QVERIFY(!std::filesystem::exists(folder_ + "foto"));

        keeper->typeFileName(QStringLiteral("Foto.BMP"));
        keeper->pressButton(BmpButtonId);
        QCOMPARE(keeper->boxes.last().text, QStringLiteral("Ya ha sido grabado ..."));
        const auto bytes = FileBytes(folder_ + "Foto.BMP");
        QCOMPARE(bytes.size(), std::size_t{681014});
        QCOMPARE(bytes[0], (unsigned char)'B');
        QCOMPARE(bytes[28], (unsigned char)24);
        // Pixel of the marked cell, rows bottom-up, BGR.
        const int x = 15 + 49 + 15 + 1, y = 25 + 15 + 13;
        const std::size_t at = 54 + std::size_t(279 - y) * 2432 + std::size_t(x) * 3;
        QCOMPARE(bytes[at], (unsigned char)0xFA);
        QCOMPARE(bytes[at + 1], (unsigned char)0xCE);
        QCOMPARE(bytes[at + 2], (unsigned char)0x87);

        keeper->typeFileName(QStringLiteral("foto.bmp.txt"));
        keeper->pressButton(BmpButtonId);
        QCOMPARE(FileBytes(folder_ + "foto.bmp.txt").size(), std::size_t{681014});

        // A read-only file of that name is made writable and replaced.
        chmod((folder_ + "Foto.BMP").c_str(), 0444);
        keeper.clickCell(2, 2, 2);
        keeper->typeFileName(QStringLiteral("Foto.BMP"));
        keeper->pressButton(BmpButtonId);
        QCOMPARE(keeper->boxes.last().text, QStringLiteral("Ya ha sido grabado ..."));
        QVERIFY(FileBytes(folder_ + "Foto.BMP") != bytes);
    }

    void bmpThatCannotBeWrittenSaysSo() {
        Keeper keeper(Keeper16Settings);
        std::filesystem::create_directory(folder_ + "folder.bmp");
        for (const char* name : {"no-such-folder/x.bmp", "folder.bmp"}) {
            keeper->typeFileName(QString::fromUtf8(name));
            keeper->pressButton(BmpButtonId);
            QCOMPARE(keeper->boxes.last().text, QStringLiteral("No se ha podido grabar el fichero ..."));
            QCOMPARE(keeper->boxes.last().title, QStringLiteral("Programador ..."));
        }
        QVERIFY(std::filesystem::is_directory(folder_ + "folder.bmp"));
    }

    void typedNamesAreSavedExactlyOrRefused() {
        Keeper keeper(Keeper16Settings);
        std::filesystem::remove_all(folder_ + "sub");  // left by an earlier run
        std::filesystem::create_directory(folder_ + "sub");
        QVERIFY(AppendBetRecords(bet_, {{1, 1, 1}}));
        const std::string outside =
            std::filesystem::path(folder_).parent_path().parent_path().string() + "/fuera.bmp";
        struct Case {
            QString typed;
            std::string savedAs;  // empty: refused, nothing written
        };
        const std::vector<Case> cases{
            {QString::fromUtf8("ñandú €.bmp"), folder_ + "ñandú €.bmp"},
            {QStringLiteral("sub/x.bmp"), folder_ + "sub/x.bmp"},
            {QStringLiteral("../fuera.bmp"), outside},
            {QStringLiteral("*.bmp"), folder_ + "*.bmp"},
            {QStringLiteral("?a.bmp"), folder_ + "?a.bmp"},
            {QString(10000, QLatin1Char('n')) + QStringLiteral(".bmp"), ""},
            {QStringLiteral("x/"), ""},
        };
        for (const Case& one : cases) {
            const auto before = Listing();
            keeper->clearBoxes();
            keeper->typeFileName(one.typed);
            keeper->pressButton(BmpButtonId);
            QCOMPARE(keeper->boxes.size(), 1);
            auto after = Listing();
            if (one.savedAs.empty()) {
                QVERIFY(keeper->boxes[0].text != QStringLiteral("Ya ha sido grabado ..."));
            } else {
                QCOMPARE(keeper->boxes[0].text, QStringLiteral("Ya ha sido grabado ..."));
                QCOMPARE(FileBytes(one.savedAs).size(), std::size_t{681014});
                after.erase(std::filesystem::path(one.savedAs).lexically_relative(folder_).string());
            }
            QCOMPARE(after, before);
        }
        QCOMPARE(Records(bet_), (std::vector<BetRecord>{{1, 1, 1}}));
        std::filesystem::remove(outside);
    }

    void focusReturnsAfterDeactivation() {
        Keeper keeper(Keeper16Settings);
        QWidget* top = WidgetOf(keeper.app.window);
        QApplication::setActiveWindow(top);
        QVERIFY(QTest::qWaitForWindowActive(top));
        QWidget* box = keeper->control(101);
        box->setFocus();
        QCOMPARE(FocusedControl(), ControlWindow(keeper.app.window, 101));
        const MessageHandler handler = KeeperHandler(keeper.app);
        handler(keeper.app.window, Message::NcActivate, 0, 0);
        keeper->control(102)->setFocus();
        handler(keeper.app.window, Message::NcActivate, 1, 0);
        QCOMPARE(FocusedControl(), ControlWindow(keeper.app.window, 101));
    }

    void keysMarkAndStoreExactlyAsClicks() {
        std::vector<unsigned char> clicked;
        {
            Keeper keeper(Keeper16Settings);
            for (const auto& [c, s, r] : {std::tuple{0, 0, 0}, {1, 1, 13}, {0, 2, 13}})
                keeper.clickCell(c, s, r);
            QVERIFY(keeper->choose(SaveBetId));
            clicked = FileBytes(bet_);
            std::filesystem::remove(bet_);
        }
        Keeper keeper(Keeper16Settings);
        Activate(keeper.app.window);
        keeper->control(FileNameBoxId)->setFocus();
        const Handle picture = keeper.app.pictureControl;
        for (const int id : {BmpButtonId, ResetButtonId, PictureControlId}) {
            PressKeys({Qt::Key_Tab});
            QCOMPARE(FocusedControl(), ControlWindow(keeper.app.window, id));
        }
        PressKeys({Qt::Key_Left, Qt::Key_Up, Qt::Key_Space});  // the edges hold: 01, match 1, "1"
        PressKeys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});  // into column 02
        for (int r = 0; r < 14; ++r) PressKeys({Qt::Key_Down});
        PressKeys({Qt::Key_Return, Qt::Key_Left, Qt::Key_Left});  // back into column 01
        PressKeys({Qt::Key_Space, Qt::Key_Space, Qt::Key_Enter});
        QCOMPARE(keeper.cellInside(1, 1, 13), SkyBlueRgb);
        QCOMPARE(keeper.app.tables.resultMarks.at(0, 2, 13), 1);  // mirrored as a click is
        QCOMPARE(FocusedControl(), picture);
        QVERIFY(keeper->boxes.isEmpty());  // no key reached a button
        QVERIFY(keeper->choose(SaveBetId));
        QCOMPARE(FileBytes(bet_), clicked);

        // Tab and Shift+Tab leave the picture, which has the focus back
        // once the box is gone.
        Activate(keeper.app.window);
        QCOMPARE(FocusedControl(), picture);
        PressKeys({Qt::Key_Tab});
        QCOMPARE(FocusedControl(), ControlWindow(keeper.app.window, FileNameBoxId));
        PressKeys({Qt::Key_Tab}, Qt::ShiftModifier);
        QCOMPARE(FocusedControl(), picture);
        PressKeys({Qt::Key_Backtab}, Qt::ShiftModifier);
        QCOMPARE(FocusedControl(), ControlWindow(keeper.app.window, ResetButtonId));
    }

    void theCursorIsShownButNeverSaved() {
        Keeper keeper(Keeper16Settings);
        keeper.clickCell(1, 0, 1);
        Activate(keeper.app.window);
        keeper->typeFileName(QStringLiteral("con.bmp"));
        PressKeys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Right, Qt::Key_Right,
                   Qt::Key_Right, Qt::Key_Down});  // onto column 02, match 2, "1": marked
        QWidget* picture = keeper->control(PictureControlId);
        const QImage surface = keeper->picture();
        const QPoint border(15 + 49, 25 + 15);  // the cursor cell's top-left corner
        const auto shown = [&] {
            return picture->grab().toImage().pixel(picture->contentsRect().topLeft() + border) &
                   0xFFFFFF;
        };
        QVERIFY(shown() != (surface.pixel(border) & 0xFFFFFF));
        // Clicked without taking the focus, so the cursor stays on screen.
        qobject_cast<QAbstractButton*>(keeper->control(BmpButtonId))->click();
        Activate(keeper.app.window);  // the box took the focus; it comes back
        QCOMPARE(FocusedControl(), keeper.app.pictureControl);
        QVERIFY(shown() != (surface.pixel(border) & 0xFFFFFF));
        // A press hides it; the right button marks nothing.
        QTest::mouseClick(picture, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(shown(), surface.pixel(border) & 0xFFFFFF);
        keeper->typeFileName(QStringLiteral("sin.bmp"));
        keeper->pressButton(BmpButtonId);
        QCOMPARE(keeper->boxes.size(), 2);
        QCOMPARE(FileBytes(folder_ + "con.bmp").size(), std::size_t{681014});
        QCOMPARE(FileBytes(folder_ + "con.bmp"), FileBytes(folder_ + "sin.bmp"));
        QCOMPARE(keeper->picture(), surface);
    }

    void screenReadersSeeTheCouponAsATableOfCheckableCells() {
        ScreenReader reader;
        std::vector<BetRecord> stored;
        for (int r = 0; r < 14; ++r) stored.push_back({2, 1, r});
        WriteRecords(bet_, stored);
        Keeper keeper(Keeper16Settings);
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(WidgetOf(keeper.app.window));
        QCOMPARE(top->role(), QAccessible::Dialog);
        QCOMPARE(top->text(QAccessible::Name), QStringLiteral("1X2 ..."));
        QCOMPARE(QAccessible::queryAccessibleInterface(keeper->control(FileNameBoxId))
                     ->text(QAccessible::Name),
                 QStringLiteral("Nombre del fichero BMP"));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(keeper->control(100));
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Boleto"));
        QCOMPARE(table->childCount(), 672);
        QCOMPARE(table->tableInterface()->rowCount(), 14);
        QCOMPARE(table->tableInterface()->columnCount(), 48);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(6, 7);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Columna 03, partido 07, X"));
        QCOMPARE(cell->role(), QAccessible::Cell);
        QVERIFY(cell->state().checkable);
        QCOMPARE(table->child(671)->text(QAccessible::Name), QStringLiteral("Columna 16, partido 14, 2"));
        SetPictureDescription(keeper.app.pictureControl, "Columna 03: 7 aciertos");
        QCOMPARE(table->text(QAccessible::Description), QStringLiteral("Columna 03: 7 aciertos"));

        keeper.clickCell(2, 1, 6);
        QVERIFY(cell->state().checked);
        QVERIFY(reader.toldChecked(QStringLiteral("Columna 03, partido 07, X")));
        heard.clear();
        Activate(keeper.app.window);
        keeper->control(100)->setFocus(Qt::TabFocusReason);
        PressKeys({Qt::Key_Right});
        QVERIFY(table->child(1)->state().focused);
        QCOMPARE(heard.back().type, QAccessible::Focus);
        QCOMPARE(heard.back().name, QStringLiteral("Columna 01, partido 01, X"));
        PressKeys({Qt::Key_Space});  // the result's first match: "X"
        QVERIFY(reader.toldChecked(QStringLiteral("Columna 01, partido 01, X")));
        QCOMPARE(CheckedCells(table), (QStringList{QStringLiteral("Columna 01, partido 01, X"),
                                                   QStringLiteral("Columna 03, partido 07, X")}));

        // Only the stored X of match 1 hits: the check shows nothing else marked.
        heard.clear();
        QVERIFY(keeper->choose(CheckBetId));
        QCOMPARE(CheckedCells(table), QStringList{QStringLiteral("Columna 03, partido 01, X")});
        QVERIFY(reader.toldChecked(QStringLiteral("Columna 03, partido 01, X")));
        QVERIFY(reader.toldChecked(QStringLiteral("Columna 03, partido 07, X")));
        QVERIFY(reader.toldChecked(QStringLiteral("Columna 01, partido 01, X")));
        QVERIFY(keeper->choose(ClearCouponId));
        QCOMPARE(CheckedCells(table), QStringList{});
        // A screen reader's toggle is a click on the cell.
        cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(keeper.app.tables.markTable.at(2, 1, 6), 1);
        QCOMPARE(CheckedCells(table), QStringList{QStringLiteral("Columna 03, partido 07, X")});

        Keeper eight(Keeper8Settings);
        QCOMPARE(QAccessible::queryAccessibleInterface(eight->control(100))->childCount(), 336);
    }

    void keeper8HasEightColumns() {
        Keeper keeper(Keeper8Settings);
        QCOMPARE(WidgetOf(keeper.app.window)->size(), QSize(430, 360));
        QCOMPARE(keeper->picture().size(), QSize(410, 280));
        keeper->clickPicture(403, 25);
        QCOMPARE(keeper.app.tables.markTable.at(7, 2, 0), 1);
        for (int x = 404; x < 410; ++x) keeper->clickPicture(x, 25);
        QCOMPARE(keeper.app.tables.markTable.at(8, 0, 0), 0);

        keeper->clickPicture(403, 25);
        for (int s = 0; s < 3; ++s)
            for (int r = 0; r < 14; ++r) keeper.clickCell(7, s, r);
        QVERIFY(keeper->choose(SaveBetId));
        const auto records = Records(bet_);
        QCOMPARE(records.size(), std::size_t{42});
        for (std::size_t k = 0; k < records.size(); ++k)
            QCOMPARE(records[k], (BetRecord{7, int(k / 14), int(k % 14)}));

        keeper->typeFileName(QStringLiteral("ocho.bmp"));
        keeper->pressButton(BmpButtonId);
        QCOMPARE(FileBytes(folder_ + "ocho.bmp").size(), std::size_t{345014});
    }

    void keepersShareTheBetFile() {
        {
            Keeper eight(Keeper8Settings);
            eight.clickCell(7, 1, 4);
            QVERIFY(eight->choose(SaveBetId));
        }
        // keeper16's ninth and thirteenth columns are keeper8's second page.
        QVERIFY(AppendBetRecords(bet_, {{8, 0, 0}, {12, 0, 0}}));
        {
            Keeper sixteen(Keeper16Settings);
            QVERIFY(sixteen->choose(ShowBetId));
            QCOMPARE(sixteen.cellInside(7, 1, 4), SkyBlueRgb);
            QCOMPARE(sixteen.cellInside(8, 0, 0), SkyBlueRgb);
        }
        Keeper eight(Keeper8Settings);
        QVERIFY(eight->choose(ShowBetId));
        QCOMPARE(eight.cellInside(7, 1, 4), SkyBlueRgb);
        QVERIFY(eight->choose(NextPageId));
        QCOMPARE(eight.cellInside(0, 0, 0), SkyBlueRgb);
        QCOMPARE(eight.cellInside(4, 0, 0), SkyBlueRgb);
        eight->answer({QMessageBox::Yes});
        QVERIFY(eight->choose(SaveBetId));
        QCOMPARE(Records(bet_), (std::vector<BetRecord>{{7, 1, 4}, {8, 0, 0}, {12, 0, 0}}));
    }

    void closingEndsTheRunWithZero() {
        auto keeper = std::make_unique<Keeper>(Keeper16Settings);
        QVERIFY(keeper->app.originalPictureProc);
        WidgetOf(keeper->app.window)->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(keeper->result, 0);
        QVERIFY(!keeper->app.originalPictureProc);
    }

    void aDiskThatFillsDuringAnOverwriteKeepsTheOldBet() {
        WriteRecords(bet_, {{5, 1, 1}, {6, 2, 13}});
        const auto old = FileBytes(bet_);
        // A small disk over the program folder; only root can mount one.
        const std::string size = "size=" + std::to_string(64 * 1024);
        if (mount("tmpfs", folder_.c_str(), "tmpfs", 0, size.c_str()) != 0)
            QSKIP("cannot mount a tmpfs here");
        struct Unmount {
            std::string folder;
            ~Unmount() { umount(folder.c_str()); }
        } unmount{folder_};
        WriteRecords(bet_, {{5, 1, 1}, {6, 2, 13}});
        std::ofstream(folder_ + "filler", std::ios::binary) << std::string(64 * 1024, 'f');

        Keeper keeper(Keeper16Settings);
        for (int c = 0; c < 16; ++c)
            for (int r = 0; r < 14; ++r) keeper.clickCell(c, r % 3, r);
        keeper->answer({QMessageBox::Yes});
        QVERIFY(keeper->choose(SaveBetId));
        QCOMPARE(keeper->boxes.size(), 2);  // the question, then one failure
        QCOMPARE(keeper->boxes[1].text, QStringLiteral("Err:  61 Disk full"));
        QCOMPARE(keeper->boxes[1].title, QStringLiteral("Velmar Soft"));
        QCOMPARE(FileBytes(bet_), old);
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            names.insert(entry.path().filename().string());
        QCOMPARE(names, (std::set<std::string>{BetFileName, "filler"}));
    }

    void aFolderThatCannotBeWrittenGivesOneBox() {
        Keeper keeper(Keeper16Settings);
        keeper.clickCell(0, 0, 0);
        keeper.clickCell(3, 1, 2);
        chmod(folder_.c_str(), 0555);  // refused by the services even for root
        QVERIFY(keeper->choose(SaveBetId));
        keeper->typeFileName(QStringLiteral("foto.bmp"));
        keeper->pressButton(BmpButtonId);
        chmod(folder_.c_str(), 0755);
        QCOMPARE(keeper->boxes.size(), 2);
        QCOMPARE(keeper->boxes[0].text, QStringLiteral("Err:  70 Permission denied"));
        QCOMPARE(keeper->boxes[1].text, QStringLiteral("No se ha podido grabar el fichero ..."));
        QVERIFY(!std::filesystem::exists(bet_));
        QVERIFY(!std::filesystem::exists(folder_ + "foto.bmp"));
        QVERIFY(!keeper->menuEnabled(ShowBetId));
    }

    void aCommandChosenWhileABoxIsOpenDoesNotStart() {
        WriteRecords(bet_, {{5, 1, 1}});
        Keeper keeper(Keeper16Settings);
        keeper.clickCell(2, 0, 4);
        keeper->answer({QMessageBox::Yes});
        // Chosen while the overwrite question is open: each must be ignored,
        // or "Borrar" would take the Yes and "Limpiar" would drop the mark.
        bool deleteOffered = false;
        QTimer::singleShot(0, [&] {
            deleteOffered = keeper->choose(DeleteBetId);
            keeper->choose(ClearCouponId);
            keeper->pressButton(ResetButtonId);
        });
        QVERIFY(keeper->choose(SaveBetId));
        QVERIFY(deleteOffered);  // the entry was there, the command did not run
        QCOMPARE(keeper->boxes.size(), 1);
        QCOMPARE(Records(bet_), (std::vector<BetRecord>{{2, 0, 4}}));
        QCOMPARE(keeper.cellInside(2, 0, 4), SkyBlueRgb);
        // Afterwards commands run again.
        QVERIFY(keeper->choose(ClearCouponId));
        QCOMPARE(keeper.cellInside(2, 0, 4), WhiteRgb);
    }

    void aClickDuringARedrawTogglesNothing() {
        Keeper keeper(Keeper16Settings);
        QWidget* picture = keeper->control(100);
        const QPointF at = picture->contentsRect().topLeft() + QPoint(15 + 49 * 9 + 7, 25 + 7);
        // Waiting in the queue, it reaches the picture while the columns are drawn.
        QCoreApplication::postEvent(picture, new QMouseEvent(QEvent::MouseButtonPress, at,
                                                             picture->mapToGlobal(at),
                                                             Qt::LeftButton, Qt::LeftButton,
                                                             Qt::NoModifier));
        QVERIFY(keeper->choose(ClearCouponId));
        QCoreApplication::processEvents();
        QCOMPARE(keeper.app.tables.markTable.at(9, 0, 0), 0);
        QCOMPARE(keeper.cellInside(9, 0, 0), WhiteRgb);
    }

    void okBoxesCloseWithEscapeYesNoBoxesDoNot() {
        QTimer::singleShot(0, [] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                    QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(ShowMessage("Grabado ...", MessageButtons::Ok, "Programador"), MessageResult::Ok);

        bool stillOpen = false;
        QTimer::singleShot(0, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                    QTest::keyClick(box, Qt::Key_Escape);
                    box->close();
                    stillOpen = box->isVisible();
                    box->button(QMessageBox::No)->click();
                }
        });
        QCOMPARE(ShowMessage("Sobrescribir ?", MessageButtons::YesNo, "Programador"),
                 MessageResult::No);
        QVERIFY(stillOpen);
    }

    void aCheckTellsEachColumnsHitsUntilTheNextClick() {
        std::vector<BetRecord> stored;
        for (int r = 0; r < 14; ++r) stored.push_back({2, 0, r});
        stored.push_back({4, 1, 0});
        for (int r = 0; r < 14; ++r) stored.push_back({4, 0, r});
        WriteRecords(bet_, stored);
        Keeper keeper(Keeper16Settings);
        for (int r = 0; r < 12; ++r) keeper.clickCell(0, 0, r);
        keeper.clickCell(0, 1, 12);  // match 14 is still to be played
        QVERIFY(keeper->choose(CheckBetId));
        QVERIFY(keeper->boxes.isEmpty());

        const QString third = QString::fromUtf8("Columna 03: 12 aciertos (3ª categoría), 1 por jugar");
        const QString fifth = QString::fromUtf8(
            "Columna 05: 2 apuestas, hasta 12 aciertos (3ª: 1, 4ª: 1), 1 por jugar");
        QWidget* picture = keeper->control(100);
        // One match to play: column 03 can still reach 13, column 05's two
        // simple bets 13 and 12.
        const QString total = QString::fromUtf8("Total: 3 apuestas; 3ª: 2, 4ª: 1\n"
                                                "Vivas: 14: 0 · 13: 2 · 12: 3 · 11: 3 · 10: 3");
        QCOMPARE(picture->accessibleDescription(),
                 third + QLatin1Char('\n') + fifth + QLatin1Char('\n') + total);
        const auto tipAt = [&](int x, int y) {
            const QPoint at = picture->contentsRect().topLeft() + QPoint(x, y);
            QHelpEvent help(QEvent::ToolTip, at, picture->mapToGlobal(at));
            QApplication::sendEvent(picture, &help);
            // An ignored event shows no tip of its own.
            return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(15 + 49 * 4 + 20, 100), fifth);
        QCOMPARE(tipAt(15 + 49 * 2 + 3, 10), third);  // over the column's number
        QCOMPARE(tipAt(15 + 49 * 3 + 20, 100), QString());  // a column without marks

        keeper.clickCell(7, 0, 0);
        QCOMPARE(picture->accessibleDescription(), QString());
        QCOMPARE(tipAt(15 + 49 * 4 + 20, 100), QString());
    }

    void aCheckAddsTheJornadasPrizesInEuros() {
        const std::string jornada = folder_ + "1x2 - Jornada.json";
        std::vector<BetRecord> stored;
        for (int r = 0; r < 14; ++r) stored.push_back({2, 0, r});
        stored.push_back({4, 1, 0});
        for (int r = 0; r < 14; ++r) stored.push_back({4, 0, r});
        WriteRecords(bet_, stored);
        std::ofstream(jornada) << R"({"price": 0.5, "prizes": {"14": 0, "13": 45213.10, "12": 812.40, "11": 56.20}})";
        Keeper keeper(Keeper8Settings);
        for (int r = 0; r < 12; ++r) keeper.clickCell(0, 0, r);
        keeper.clickCell(0, 1, 12);  // match 14 is still to be played
        QVERIFY(keeper->choose(CheckBetId));
        QVERIFY(keeper->boxes.isEmpty());

        // 812,40 for a 12; 812,40 + 56,20 for a 12 and an 11.
        const QString third = QString::fromUtf8("Columna 03: 12 aciertos (3ª categoría), 1 por jugar, 812,40 €");
        const QString fifth = QString::fromUtf8(
            "Columna 05: 2 apuestas, hasta 12 aciertos (3ª: 1, 4ª: 1), 1 por jugar, 868,60 €");
        const QString total = QString::fromUtf8("Total: 3 apuestas, 3 premios, 1.681,00 € (jugado 1,50 €)\n"
                                                "Vivas: 14: 0 · 13: 2 · 12: 3 · 11: 3 · 10: 3");
        QWidget* picture = keeper->control(100);
        QCOMPARE(picture->accessibleDescription(),
                 third + QLatin1Char('\n') + fifth + QLatin1Char('\n') + total);
        const QPoint at = picture->contentsRect().topLeft() + QPoint(15 + 49 * 4 + 20, 100);
        QHelpEvent help(QEvent::ToolTip, at, picture->mapToGlobal(at));
        QApplication::sendEvent(picture, &help);
        QCOMPARE(QToolTip::text(), fifth);

        // A bad jornada leaves the euros out, without a box.
        std::ofstream(jornada) << R"({"price": 0, "prizes": {"13": 45213.10}})";
        QVERIFY(keeper->choose(CheckBetId));
        QVERIFY(keeper->boxes.isEmpty());
        QVERIFY(picture->accessibleDescription().startsWith(
            QString::fromUtf8("Columna 03: 12 aciertos (3ª categoría), 1 por jugar\nColumna 05:")));
        QVERIFY(picture->accessibleDescription().contains(QString::fromUtf8("\nTotal: 3 apuestas; 3ª: 2, 4ª: 1\n")));
        std::filesystem::remove(jornada);
    }

private:
    // Every file under the program folder with its size.
    std::map<std::string, std::uintmax_t> Listing() const {
        std::map<std::string, std::uintmax_t> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_))
            if (entry.is_regular_file())
                files[entry.path().lexically_relative(folder_).string()] = entry.file_size();
        return files;
    }
    void ShowBetCommandWithoutFile(Keeper& keeper) {
        // The handler still answers the command when the file is missing.
        KeeperHandler(keeper.app)(keeper.app.window, Message::Command, ShowBetId, 0);
        QCOMPARE(keeper->boxes.size(), 1);
        QCOMPARE(keeper->boxes[0].text,
                 QStringLiteral("No puedo leer fichero ...\nFichero NO existe ..."));
        keeper->clearBoxes();
    }
    void UpdateMenus(Keeper& keeper) {
        // Menu states follow the file only at the moments the program checks it.
        QVERIFY(!keeper->menuEnabled(ShowBetId));
        UpdateMenuStates(keeper.app);
    }
};

QTEST_MAIN(KeeperWindowTest)
#include "keeper_window_test.moc"
