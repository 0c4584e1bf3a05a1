// The systems window in a real window on the X server ./test starts: the
// forecast marked by keyboard, a system generated, paged, stored and read
// back, a long search cancelled and a window closed during a search; every
// control named and reached by Tab; a bad jornada at start, and what the
// objective and the conditions of value need.

#include <QAccessible>
#include <QComboBox>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <string>

#include "bet_marks.h"
#include "guarantee.h"
#include "jornada.h"
#include "program_folder.h"
#include "chance_count.h"
#include "running_systems.h"

class SystemsWindowTest : public QObject {
    Q_OBJECT

    std::string bet_ = BetFilePath(ProgramFolder());
    std::string jornada_ = JornadaFilePath(ProgramFolder());

private slots:
    void init() {
        std::filesystem::remove(bet_);
        std::filesystem::remove(jornada_);
    }
    void cleanupTestCase() { std::filesystem::remove(jornada_); }

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

        // Each line is read whole: its name says what it is, its description what it says.
        QAccessibleInterface* summary = systems.accessible(SummaryLabelId);
        QCOMPARE(summary->text(QAccessible::Name), QStringLiteral("Resumen"));
        QCOMPARE(summary->text(QAccessible::Description), systems.summary());
        // Without a jornada every sign is 1/3 and there is no value to show.
        QAccessibleInterface* chances = systems.accessible(ChancesLabelId);
        QCOMPARE(chances->text(QAccessible::Name), QStringLiteral("Probabilidades"));
        QCOMPARE(chances->text(QAccessible::Description), ChancesShown(SimpleColumnsOf(columns), EverySignAlike()));
        QVERIFY(systems->control(ChancesChartId)->accessibleDescription().startsWith(
            QStringLiteral("Probabilidad: 14: 0,00 % · 13 o más: 0,01 %")));
        // Over a column of the slip: its chance of 14, and no contra without the public.
        QVERIFY(systems->control(PictureControlId)->accessibleDescription().contains(
            QStringLiteral("\nColumna 08: 14: 1 entre 4.782.969")));
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

        const auto objective = systems.accessible(ObjectiveChoiceId)->relations(QAccessible::Label);
        QCOMPARE(objective.size(), 1);
        QCOMPARE(objective[0].first->text(QAccessible::Name), QStringLiteral("Objetivo"));
        auto* entries = qobject_cast<QComboBox*>(systems->control(ObjectiveChoiceId));
        QCOMPARE(entries->itemText(0), QStringLiteral("Garantía"));
        QCOMPARE(entries->itemText(1), QStringLiteral("Presupuesto"));
        const std::pair<int, const char*> fields[] = {{BudgetFieldId, "Apuestas"},
                                                      {MinProbabilityFieldId, "Probabilidad mínima (1 entre)"},
                                                      {MinContraFieldId, "Contra mínimo"},
                                                      {MinValueFieldId, "Valor mínimo"}};
        for (const auto& [id, name] : fields) {
            QAccessibleInterface* field = systems.accessible(id);
            QCOMPARE(field->text(QAccessible::Name), QString::fromUtf8(name));
            QCOMPARE(field->text(QAccessible::Value), QStringLiteral("–"));  // open
        }
        SetControlValue(systems.app.budgetField, 200000);
        QCOMPARE(GetControlValue(systems.app.budgetField), 100000);
        systems.type(MinContraFieldId, QStringLiteral("1.5"));
        QCOMPARE(GetControlNumber(systems.app.minContraField).value_or(0), 1.5);
        QCOMPARE(systems.accessible(MinContraFieldId)->text(QAccessible::Value), QStringLiteral("1,50"));
    }

    void tabReachesEveryControlInTheOrderShown() {
        RunningSystems systems;
        const int order[] = {ObjectiveChoiceId, BudgetFieldId, GuaranteeChoiceId, 120, 121, 122, 123, 124, 125, 126,
                             127, 128, 129, 130, MinProbabilityFieldId, MinContraFieldId, MinValueFieldId,
                             GenerateSystemId, PictureControlId, PreviousSlipId, NextSlipId, FileNameBoxId,
                             BmpButtonId, SummaryLabelId, ChancesLabelId, ChartControlId, ChancesChartId,
                             ForecastControlId};
        systems->control(ForecastControlId)->setFocus();
        for (const int id : order) {
            // A spin box takes the focus on its line edit: the control is its parent.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            const bool reached = focus == systems->control(id) || focus->parentWidget() == systems->control(id);
            QVERIFY2(reached, qPrintable(QStringLiteral("control-%1 expected, %2 has the focus")
                                             .arg(id)
                                             .arg(focus->objectName() + focus->parentWidget()->objectName())));
        }
    }

    void aBadJornadaAtStartIsNamedInOneBoxAndLeftAsItWas() {
        std::string text = R"({"matches": [{}, {}, {}, {}, {}, {}, {"home": "Betis", "odds": [0.5, 2, 3]},)";
        text += R"( {}, {}, {}, {}, {}, {}, {}]})";
        std::ofstream(jornada_, std::ios::binary) << text;
        const std::vector<unsigned char> before = FileBytes(jornada_);
        RunningSystems systems;
        QCOMPARE(systems->boxes.size(), 1);
        QVERIFY(systems->boxes[0].text.contains(QStringLiteral("partido 7: cuotas")));
        // An empty jornada: no teams.
        QCOMPARE(systems.accessible(ForecastControlId)->child(3 * 6 + 1)->text(QAccessible::Name),
                 QStringLiteral("Partido 07, X"));
        QVERIFY(!systems.app.jornada.has_value());
        QCOMPARE(FileBytes(jornada_), before);
    }

    void whatTheObjectiveAndTheConditionsOfValueNeedIsSaid() {
        RunningSystems systems;
        systems.markForecast(Triples(3));
        SetControlValue(systems.app.objectiveChoice, 1);  // "Presupuesto" with "Apuestas" open
        systems->pressButton(GenerateSystemId);
        QCOMPARE(systems->boxes.size(), 1);
        QVERIFY(systems->boxes[0].text.contains(QStringLiteral("Apuestas")));

        SetControlValue(systems.app.objectiveChoice, 0);
        SetControlNumber(systems.app.minContraField, 1.5);  // no jornada: no chances to go by
        systems->pressButton(GenerateSystemId);
        QCOMPARE(systems->boxes.size(), 2);
        QVERIFY(systems->boxes[1].text.contains(QStringLiteral("jornada")));
        QVERIFY(!systems.app.hasSystem);
        QCOMPARE(systems.summary(), QString());
    }
};

QTEST_MAIN(SystemsWindowTest)
#include "systems_window_test.moc"
