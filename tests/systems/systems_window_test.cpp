// The systems window in a real window on the X server ./test starts: the
// forecast marked by keyboard, a system generated, paged, stored and read
// back, a long search cancelled and a window closed during a search.

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <string>

#include "bet_marks.h"
#include "guarantee.h"
#include "program_folder.h"
#include "systems_window.h"
#include "window_driver.h"
#include "window_test_bridge.h"

namespace {

struct RunningSystems {
    SystemsApp app;
    int result = -1;
    std::unique_ptr<WindowDriver> driver;

    RunningSystems() {
        StartSystems(app);
        BeginModal(app.slip.window, SystemsHandler(app), &result);
        driver = std::make_unique<WindowDriver>(app.slip.window, app.slip.menuBar);
        QWidget* top = WidgetOf(app.slip.window);
        QApplication::setActiveWindow(top);
        QVERIFY(QTest::qWaitForWindowActive(top));
    }
    ~RunningSystems() {
        CloseProgramWindow(app.slip.window);
    }
    WindowDriver* operator->() { return driver.get(); }

    QAccessibleInterface* accessible(int id) {
        return QAccessible::queryAccessibleInterface(driver->control(id));
    }
    void keys(int id, std::initializer_list<Qt::Key> keys) {
        QWidget* control = driver->control(id);
        control->setFocus();
        for (const Qt::Key key : keys) QTest::keyClick(control, key);
    }
    // Per match, signs in the order 1, X, 2, marked with the arrows and Space.
    void markForecast(const MatchSigns& forecast) {
        for (int r = 0; r < RowCount; ++r) {
            for (int s = 0; s < SignCount; ++s) {
                if (forecast[r] & (1u << s)) keys(ForecastControlId, {Qt::Key_Space});
                keys(ForecastControlId, {Qt::Key_Right});
            }
            keys(ForecastControlId, {Qt::Key_Left, Qt::Key_Left, Qt::Key_Down});
        }
    }
    QString summary() { return qobject_cast<QLabel*>(driver->control(SummaryLabelId))->text(); }
};

MatchSigns Triples(int triples) {
    MatchSigns forecast{};
    for (int r = 0; r < RowCount; ++r) forecast[r] = r < triples ? AllSigns : 1;
    return forecast;
}

}  // namespace

class SystemsWindowTest : public QObject {
    Q_OBJECT

    std::string bet_ = BetFilePath(ProgramFolder());

private slots:
    void init() { std::filesystem::remove(bet_); }

    void aSystemIsMarkedGeneratedPagedStoredAndVerified() {
        RunningSystems systems;
        QCOMPARE(WidgetOf(systems.app.slip.window)->windowTitle(), QStringLiteral("1X2 Sistemas"));
        const MatchSigns forecast = Triples(4);
        systems.markForecast(forecast);
        QAccessibleInterface* table = systems.accessible(ForecastControlId);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Pronóstico"));
        QCOMPARE(table->childCount(), 42);
        QCOMPARE(table->child(3 * 6 + 1)->text(QAccessible::Name), QStringLiteral("Partido 07, X"));
        QVERIFY(table->child(3 * 3 + 2)->state().checked);    // match 4, "2"
        QVERIFY(!table->child(3 * 4 + 2)->state().checked);   // match 5, "2"

        systems.keys(GuaranteeChoiceId, {Qt::Key_Down, Qt::Key_Up});  // "Al 12", back to "Al 13"
        QCOMPARE(qobject_cast<QComboBox*>(systems->control(GuaranteeChoiceId))->currentText(),
                 QStringLiteral("Al 13"));
        systems.keys(GenerateSystemId, {Qt::Key_Return});
        QCOMPARE(systems.summary(), QStringLiteral("9 apuestas · 6,75 € · garantía 13 aciertos · "
                                                   "cota inferior 9 · 2 boletos"));

        QAccessibleInterface* slip = systems.accessible(PictureControlId);
        QCOMPARE(slip->text(QAccessible::Name), QStringLiteral("Boleto 1 de 2"));
        QVERIFY(!slip->child(0)->state().checkable);  // read only
        QVERIFY(systems->control(PictureControlId)->accessibleDescription().startsWith(
            QStringLiteral("Garantía: 13 aciertos\n")));
        systems.keys(PictureControlId, {Qt::Key_PageDown});
        QCOMPARE(slip->text(QAccessible::Name), QStringLiteral("Boleto 2 de 2"));
        QCOMPARE(slip->child(0)->text(QAccessible::Name), QStringLiteral("Columna 09, partido 01, 1"));
        systems->pressButton(PreviousSlipId);
        QCOMPARE(slip->text(QAccessible::Name), QStringLiteral("Boleto 1 de 2"));

        QVERIFY(systems->choose(SaveBetId));
        QCOMPARE(systems->boxes.size(), 1);
        QCOMPARE(systems->boxes[0].text, QStringLiteral("Grabado ..."));
        BetMarks stored;
        QCOMPARE(LoadBetMarks(bet_, stored), 0);
        const std::vector<BetColumn> columns = MarkedColumns(stored);
        QCOMPARE(columns.size(), std::size_t{9});
        QCOMPARE(Guarantee(columns, forecast).guarantee, 13);
    }

    void noSystemForAMatchWithoutSignOrUnmeetableConditions() {
        RunningSystems systems;
        systems.markForecast(Triples(3));
        systems.keys(ForecastControlId, {Qt::Key_Space});  // the cursor is on match 14's "1"
        systems->pressButton(GenerateSystemId);
        QCOMPARE(systems->boxes.size(), 1);
        QVERIFY(systems->boxes[0].text.contains(QStringLiteral("14")));

        systems.keys(ForecastControlId, {Qt::Key_Space});
        SetControlValue(systems.app.conditionFields[1], 5);  // at most five "1": eleven are fixed
        systems->pressButton(GenerateSystemId);
        QCOMPARE(systems->boxes.size(), 2);
        QCOMPARE(systems.summary(), QString());
    }

    void aLongSearchIsCancelledAndIgnoresOtherCommands() {
        RunningSystems systems;
        systems.markForecast(Triples(10));
        SetControlValue(systems.app.guaranteeChoice, 0 + 1);
        bool clearIgnored = false;
        QTimer::singleShot(400, [&] {
            QVERIFY(systems.app.searching);
            systems->choose(ClearCouponId);  // ignored: the forecast stays
            clearIgnored = systems.app.forecast.markTable.at(0, 2, 9) == 1;
            systems->pressButton(CancelButtonId);
        });
        systems->pressButton(GenerateSystemId);
        QVERIFY(clearIgnored);
        QVERIFY(!systems.app.searching);
        QVERIFY(!systems.app.hasSystem);
        QVERIFY(systems->boxes.isEmpty());
        QVERIFY(!std::filesystem::exists(bet_));
    }

    void closingTheWindowDuringASearchEndsItCleanly() {
        auto systems = std::make_unique<RunningSystems>();
        systems->markForecast(Triples(10));
        QTimer::singleShot(300, [&] { WidgetOf(systems->app.slip.window)->close(); });
        (*systems)->pressButton(GenerateSystemId);
        QCOMPARE(systems->result, 0);
        QVERIFY(WidgetOf(systems->app.slip.window) == nullptr);
        QVERIFY(!std::filesystem::exists(bet_));
    }

    void conditionFieldsAreNamedAndKeepTheirRanges() {
        RunningSystems systems;
        // A choice's name is its entry; its label comes through a relation.
        const auto labels = systems.accessible(GuaranteeChoiceId)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->text(QAccessible::Name), QStringLiteral("Garantía"));
        QCOMPARE(systems.accessible(ProgressBarId)->text(QAccessible::Name), QStringLiteral("Progreso"));
        QCOMPARE(systems.accessible(SummaryLabelId)->text(QAccessible::Name), QStringLiteral("Resumen"));
        const char* names[] = {"Unos desde", "Unos hasta", "Equis desde", "Equis hasta", "Doses desde",
                               "Doses hasta", "Variantes desde", "Variantes hasta",
                               "Interrupciones desde", "Interrupciones hasta", "Seguidos hasta"};
        for (int k = 0; k < ConditionFields; ++k) {
            QCOMPARE(systems.accessible(FirstConditionFieldId + k)->text(QAccessible::Name),
                     QString::fromUtf8(names[k]));
            const Handle field = systems.app.conditionFields[static_cast<std::size_t>(k)];
            SetControlValue(field, 40);
            QCOMPARE(GetControlValue(field), k == 8 || k == 9 ? 13 : 14);  // interrupciones: 0..13
        }
    }
};

QTEST_MAIN(SystemsWindowTest)
#include "systems_window_test.moc"
