// The keepers' bet past its first page: moving, marking, saving, checking
// and saving pictures page by page, driven as a user would.

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <filesystem>

#include "bet_marks.h"
#include "coupon_colors.h"
#include "keeper_commands.h"
#include "keeper_pages.h"
#include "keeper_settings.h"
#include "locking_process.h"
#include "picture_export.h"
#include "program_folder.h"
#include "running_keeper.h"

namespace {

constexpr QRgb SkyBlueRgb = 0x87CEFA;
constexpr QRgb WhiteRgb = 0xFFFFFF;

// Columns 0..count-1, column c marking sign c % 3 of match c % 14 and
// sign "1" of match 1.
std::vector<BetRecord> ColumnsBet(int count) {
    std::vector<BetRecord> records;
    for (int c = 0; c < count; ++c) {
        records.push_back({c, 0, 0});
        if (c % 14 != 0 || c % 3 != 0) records.push_back({c, c % 3, c % 14});
    }
    std::sort(records.begin(), records.end(), [](const BetRecord& a, const BetRecord& b) {
        return std::tie(a.column, a.sign, a.row) < std::tie(b.column, b.sign, b.row);
    });
    return records;
}

void StoreBet(const std::string& bet, const std::vector<BetRecord>& records) {
    QVERIFY(ReplaceBet(bet, records).error == 0);
}

QString TableName(Keeper& keeper) {
    return QAccessible::queryAccessibleInterface(keeper->control(100))->text(QAccessible::Name);
}

QString FirstCellName(Keeper& keeper) {
    return QAccessible::queryAccessibleInterface(keeper->control(100))->child(0)->text(QAccessible::Name);
}

}  // namespace

class KeeperPagesTest : public QObject {
    Q_OBJECT

    std::string folder_ = ProgramFolder();
    std::string bet_ = BetFilePath(folder_);

private slots:
    void init() { RemoveBetAndPictures(folder_); }

    void aFortyColumnBetRoundTripsWithExactlyOneChange() {
        std::vector<BetRecord> records = ColumnsBet(40);
        StoreBet(bet_, records);
        const std::vector<unsigned char> before = FileBytes(bet_);
        Keeper keeper(Keeper16Settings);
        QVERIFY(keeper->choose(ShowBetId));
        QCOMPARE(TableName(keeper), QStringLiteral("Boleto, página 1 de 3"));

        // Unchanged, the bet is saved byte for byte.
        keeper->answer({QMessageBox::Yes});
        QVERIFY(keeper->choose(SaveBetId));
        QCOMPARE(FileBytes(bet_), before);

        Activate(keeper.app.window);
        keeper->control(100)->setFocus();
        PressKeys({Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown});
        QCOMPARE(PageShown(keeper.app.tables), 3);  // one past the last page with marks
        PressKeys({Qt::Key_PageUp});
        QCOMPARE(TableName(keeper), QStringLiteral("Boleto, página 3 de 3"));
        QCOMPARE(FirstCellName(keeper), QStringLiteral("Columna 33, partido 01, 1"));
        QCOMPARE(keeper.cellInside(0, 0, 0), SkyBlueRgb);  // column 33 is drawn with its marks
        QCOMPARE(keeper.cellInside(8, 0, 0), WhiteRgb);    // column 41 has none

        keeper.clickCell(1, 2, 7);  // column 34, match 8, "2": never the result
        QCOMPARE(keeper.app.tables.resultMarks.at(0, 2, 7), 0);
        keeper->answer({QMessageBox::Yes});
        QVERIFY(keeper->choose(SaveBetId));
        records.push_back({33, 2, 7});
        std::sort(records.begin(), records.end(), [](const BetRecord& a, const BetRecord& b) {
            return std::tie(a.column, a.sign, a.row) < std::tie(b.column, b.sign, b.row);
        });
        QCOMPARE(Records(bet_), records);
    }

    void pageKeysWorkOutsideTheTextBoxOnly() {
        StoreBet(bet_, ColumnsBet(40));
        Keeper keeper(Keeper8Settings);
        QVERIFY(keeper->choose(ShowBetId));
        Activate(keeper.app.window);
        auto* box = qobject_cast<QLineEdit*>(keeper->control(FileNameBoxId));
        box->setFocus();
        PressKeys({Qt::Key_PageDown});
        PressKeys({Qt::Key_End}, Qt::ControlModifier);
        QCOMPARE(PageShown(keeper.app.tables), 0);

        keeper->control(BmpButtonId)->setFocus();
        PressKeys({Qt::Key_End}, Qt::ControlModifier);
        QCOMPARE(PageShown(keeper.app.tables), 4);
        QCOMPARE(TableName(keeper), QStringLiteral("Boleto, página 5 de 5"));
        PressKeys({Qt::Key_Home}, Qt::ControlModifier);
        QCOMPARE(PageShown(keeper.app.tables), 0);
        QVERIFY(keeper->choose(LastPageId));
        QVERIFY(keeper->choose(PreviousPageId));
        QCOMPARE(PageShown(keeper.app.tables), 3);

        keeper->pressButton(ResetButtonId);  // clears every page
        QCOMPARE(PageShown(keeper.app.tables), 0);
        QCOMPARE(TableName(keeper), QStringLiteral("Boleto"));
        QVERIFY(keeper->choose(NextPageId));
        QVERIFY(keeper->choose(NextPageId));
        QCOMPARE(PageShown(keeper.app.tables), 1);
    }

    void aCheckStaysShownOnEveryPage() {
        StoreBet(bet_, ColumnsBet(20));
        Keeper keeper(Keeper16Settings);
        keeper.clickCell(0, 0, 0);  // the result: "1" in match 1 only
        QVERIFY(keeper->choose(CheckBetId));
        QVERIFY(keeper->choose(NextPageId));
        // Column 17 marks "1" of match 1 (a hit) and "X" of match 3 (none).
        QCOMPARE(keeper.cellInside(0, 0, 0), SkyBlueRgb);
        QCOMPARE(keeper.cellInside(0, 1, 2), WhiteRgb);
        const QString description = keeper->control(100)->accessibleDescription();
        QVERIFY2(description.startsWith(QStringLiteral("Columna 17: incompleta, 1 acierto, 13 por jugar\n")),
                 qPrintable(description));
        // Incomplete columns have no simple bet that could still win.
        QVERIFY2(description.endsWith(QString::fromUtf8("\nTotal: 0 apuestas, sin premio\n"
                                                        "Vivas: 14: 0 · 13: 0 · 12: 0 · 11: 0 · 10: 0")),
                 qPrintable(description));
        QCOMPARE(description.count(QLatin1Char('\n')), 5);  // columns 17-20, the total and the bets alive

        keeper.clickCell(3, 0, 0);  // a click ends the check on this page too
        QVERIFY(keeper->choose(PreviousPageId));
        QCOMPARE(keeper->control(100)->accessibleDescription(), QString());
    }

    void pagesAreSavedAsNumberedPicturesUntilTheFirstFailure() {
        StoreBet(bet_, ColumnsBet(20));
        Keeper keeper(Keeper8Settings);
        QVERIFY(keeper->choose(ShowBetId));
        keeper->typeFileName(QStringLiteral("sistema.bmp"));
        QVERIFY(keeper->choose(SavePagesId));
        QCOMPARE(keeper->boxes.size(), 1);
        QCOMPARE(keeper->boxes[0].text, QStringLiteral("Ya han sido grabadas 3 páginas ..."));
        const auto first = FileBytes(folder_ + "sistema 01.bmp");
        const auto second = FileBytes(folder_ + "sistema 02.bmp");
        QVERIFY(!first.empty() && !second.empty() && first != second);
        QVERIFY(std::filesystem::exists(folder_ + "sistema 03.bmp"));
        QVERIFY(!std::filesystem::exists(folder_ + "sistema 04.bmp"));
        // The page shown is drawn as its own picture was saved.
        QVERIFY(keeper->choose(NextPageId));
        keeper->typeFileName(QStringLiteral("shown.bmp"));
        keeper->pressButton(BmpButtonId);
        QCOMPARE(FileBytes(folder_ + "shown.bmp"), second);

        std::filesystem::remove(folder_ + "sistema 03.bmp");
        keeper->clearBoxes();
        keeper->typeFileName(QStringLiteral("sistema.bmp"));
        {
            const LockingProcess other(folder_ + "sistema 02.bmp");
            QVERIFY(keeper->choose(SavePagesId));
        }
        QCOMPARE(keeper->boxes.size(), 1);
        QCOMPARE(keeper->boxes[0].text, QString::fromUtf8(PictureNotSavedText));
        QCOMPARE(FileBytes(folder_ + "sistema 02.bmp"), second);
        QVERIFY(!std::filesystem::exists(folder_ + "sistema 03.bmp"));
    }
};

QTEST_MAIN(KeeperPagesTest)
#include "keeper_pages_test.moc"
