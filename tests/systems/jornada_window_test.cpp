// The "Jornada" window of the systems window, in a real window: opened and
// closed by keyboard, a bad field named and focused with nothing written,
// and the whole road: a jornada typed and stored, a budget system built on
// it, its chances read and the bet stored; every file read back and checked
// on its own.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "bet_chances.h"
#include "bet_marks.h"
#include "chance_count.h"
#include "chance_text.h"
#include "jornada_file.h"
#include "program_folder.h"
#include "running_systems.h"

namespace {

using Json = nlohmann::json;

QWidget* JornadaWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == QStringLiteral("Jornada")) return widget;
    return nullptr;
}

// The control of the Jornada window a screen reader calls `name`: a field
// by the name it was given, a button by its text.
QWidget* Named(const QString& name) {
    for (QWidget* child : JornadaWindow()->findChildren<QWidget*>())
        if (child->accessibleName() == name) return child;
    for (QPushButton* button : JornadaWindow()->findChildren<QPushButton*>())
        if (button->text() == name) return button;
    return nullptr;
}

// The focus inside the Jornada window while it is open, even while a box
// has just taken the activation away from it.
QWidget* Focus() {
    QWidget* window = JornadaWindow();
    return window && window->focusWidget() ? window->focusWidget() : QApplication::focusWidget();
}

QString FocusName() { return Focus() ? Focus()->accessibleName() : QString(); }

// Runs `work` once the Jornada window is open and has the focus; the window
// runs modally, so the work has to wait for it in the event loop.
void WhenJornadaOpens(std::function<void()> work) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, work = std::move(work)] {
        QWidget* window = JornadaWindow();
        if (!window) return;
        if (!window->isActiveWindow()) {
            QApplication::setActiveWindow(window);
            return;
        }
        poll->stop();
        poll->deleteLater();
        work();
    });
    poll->start(10);
}

void Type(const QString& text) {
    QWidget* focus = Focus();
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(focus, c.toLatin1());
        else
            qobject_cast<QLineEdit*>(focus)->insert(QString(c));
    }
}

void Key(Qt::Key key) { QTest::keyClick(Focus(), key); }

// The figures typed for each match: per cent of 1, X and 2 summing 100,
// and the public's.
constexpr double Chances[RowCount][3] = {{45.5, 30, 24.5}, {60, 25, 15}, {35, 35, 30}, {20, 30, 50},
                                         {70, 20, 10},     {50, 30, 20}, {40, 30, 30}, {55, 25, 20},
                                         {33, 34, 33},     {65, 20, 15}, {48, 27, 25}, {52, 28, 20},
                                         {44, 31, 25},     {61, 22, 17}};
constexpr double Public[3] = {40, 35, 25};

QString Figure(double value) { return QString::number(value).replace(QLatin1Char('.'), QLatin1Char(',')); }

}  // namespace

class JornadaWindowTest : public QObject {
    Q_OBJECT

    std::string bet_ = BetFilePath(ProgramFolder());
    std::string jornada_ = JornadaFilePath(ProgramFolder());

private slots:
    void init() {
        std::filesystem::remove(bet_);
        std::filesystem::remove(jornada_);
    }
    void cleanupTestCase() {
        std::filesystem::remove(bet_);
        std::filesystem::remove(jornada_);
    }

    void theWindowOpensAndClosesByKeyboardAndLeavesTheJornadaAsItWas() {
        RunningSystems systems;
        QString title, firstFocus, typed;
        WhenJornadaOpens([&] {
            title = JornadaWindow()->windowTitle();
            firstFocus = FocusName();
            Type(QStringLiteral("Betis"));
            typed = qobject_cast<QLineEdit*>(Focus())->text();
            Key(Qt::Key_Escape);  // from inside a text box
        });
        systems.chooseByKeyboard(QStringLiteral("Jornada..."));
        QCOMPARE(title, QStringLiteral("Jornada"));
        QCOMPARE(firstFocus, QStringLiteral("Partido 01, local"));
        QCOMPARE(typed, QStringLiteral("Betis"));
        QVERIFY(JornadaWindow() == nullptr);
        QVERIFY(!std::filesystem::exists(jornada_));
        QVERIFY(!systems.app.jornada.has_value());

        WhenJornadaOpens([&] {
            Type(QStringLiteral("Betis"));
            qobject_cast<QPushButton*>(Named(QStringLiteral("Cancelar")))->click();
        });
        systems.chooseByKeyboard(QStringLiteral("Jornada..."));
        QVERIFY(JornadaWindow() == nullptr);
        QVERIFY(!std::filesystem::exists(jornada_));
        QVERIFY(systems->boxes.isEmpty());
    }

    void aBadFieldIsNamedAndFocusedAndNothingIsWritten() {
        RunningSystems systems;
        QString focusAfterBox;
        bool stillOpen = false;
        WhenJornadaOpens([&] {
            Named(QStringLiteral("Partido 03, 1"))->setFocus();
            Type(QStringLiteral("36"));
            Key(Qt::Key_Tab);
            Type(QStringLiteral("4x"));
            Key(Qt::Key_Tab);
            Type(QStringLiteral("22"));
            Named(QStringLiteral("Precio"))->setFocus();
            Key(Qt::Key_Tab);  // "Aceptar"
            Key(Qt::Key_Return);
            focusAfterBox = FocusName();
            stillOpen = JornadaWindow() != nullptr;
            Key(Qt::Key_Escape);
        });
        systems.chooseByKeyboard(QStringLiteral("Jornada..."));
        QCOMPARE(systems->boxes.size(), 1);
        QCOMPARE(systems->boxes[0].text, QStringLiteral("Partido 03, X: \"4x\" no es un número"));
        QCOMPARE(focusAfterBox, QStringLiteral("Partido 03, X"));
        QVERIFY(stillOpen);
        QVERIFY(!std::filesystem::exists(jornada_));
    }

    void aTypedJornadaCarriesABudgetSystemToItsChancesAndTheStoredBet() {
        // An unknown key the window must keep.
        std::ofstream(jornada_, std::ios::binary) << R"({"round": 23, "mine": "kept"})";
        RunningSystems systems;
        QStringList order;
        WhenJornadaOpens([&] {
            // Tab runs through every field in the order of the rows: each
            // figure lands in the field it is typed for.
            for (int m = 0; m < RowCount; ++m) {
                const QStringList row{m == 0 ? QStringLiteral("Betis") : QString(), m == 0 ? QStringLiteral("Sevilla") : QString(),
                                      Figure(Chances[m][0]), Figure(Chances[m][1]), Figure(Chances[m][2]),
                                      Figure(Public[0]), Figure(Public[1]), Figure(Public[2])};
                for (const QString& text : row) {
                    order << FocusName();
                    Type(text);
                    Key(Qt::Key_Tab);
                }
            }
            for (const QString& text : {QStringLiteral("2200000"), QStringLiteral("0"), QStringLiteral("0,75")}) {
                order << FocusName();
                qobject_cast<QLineEdit*>(Focus())->clear();
                Type(text);
                Key(Qt::Key_Tab);
            }
            order << Focus()->property("text").toString();  // "Aceptar"
            Key(Qt::Key_Return);
        });
        systems.chooseByKeyboard(QStringLiteral("Jornada..."));
        QVERIFY(JornadaWindow() == nullptr);
        QCOMPARE(order.size(), RowCount * 8 + 4);
        QCOMPARE(order[0], QStringLiteral("Partido 01, local"));
        QCOMPARE(order[8 * 6 + 6], QStringLiteral("Partido 07, público X"));
        QCOMPARE(order.mid(RowCount * 8), (QStringList{QStringLiteral("Recaudación"), QStringLiteral("Bote"),
                                                        QStringLiteral("Precio"), QStringLiteral("Aceptar")}));

        // The file, read as JSON: what was typed, and what the window does not show.
        std::ifstream in(jornada_);
        const Json stored = Json::parse(in);
        QVERIFY(stored["mine"] == Json("kept"));
        QVERIFY(stored["round"] == Json(23));
        QVERIFY(stored["takings"] == Json(2200000));
        QVERIFY(stored["price"] == Json(0.75));
        QCOMPARE(stored["matches"].size(), std::size_t{RowCount});
        QVERIFY(stored["matches"][0]["home"] == Json("Betis"));
        QVERIFY(stored["matches"][0]["away"] == Json("Sevilla"));
        for (int m = 0; m < RowCount; ++m) {
            const Json& match = stored["matches"][static_cast<std::size_t>(m)];
            for (int s = 0; s < 3; ++s) {
                QCOMPARE(match["probabilities"][static_cast<std::size_t>(s)].get<double>(), Chances[m][s]);
                QCOMPARE(match["public"][static_cast<std::size_t>(s)].get<double>(), Public[s]);
            }
        }
        QCOMPARE(systems.accessible(ForecastControlId)->child(0)->text(QAccessible::Name),
                 QStringLiteral("Partido 01, Betis - Sevilla, 1"));

        // Five bets at most, al 13, over four triples.
        const MatchSigns forecast = Triples(4);
        systems.markForecast(forecast);
        systems.keys(ObjectiveChoiceId, {Qt::Key_Down});  // "Presupuesto"
        systems.type(BudgetFieldId, QStringLiteral("5"));
        systems.keys(GenerateSystemId, {Qt::Key_Return});
        QVERIFY(systems.app.hasSystem);
        QVERIFY(systems->choose(SaveBetId));
        BetMarks marks;
        QCOMPARE(LoadBetMarks(bet_, marks), 0);
        const std::vector<BetColumn> bet = MarkedColumns(marks);
        QCOMPARE(bet.size(), std::size_t{5});
        const std::vector<SimpleColumn> columns = SimpleColumnsOf(bet);
        for (const SimpleColumn& column : columns)
            for (int m = 4; m < RowCount; ++m) QCOMPARE(int{column[m]}, 0);  // inside the forecast

        SignChances p{};
        for (int m = 0; m < RowCount; ++m)
            for (int s = 0; s < 3; ++s) p[m][s] = Chances[m][s] / 100;
        // Coverage: the forecast's 81 outcomes, each weighed by its chance,
        // that a column reaches with 13 hits or more.
        double covered = 0, all = 0;
        for (int o = 0; o < 81; ++o) {
            SimpleColumn outcome{};  // the fixed matches all "1"
            double weight = 1;
            for (int m = 3, rest = o; m >= 0; --m, rest /= 3) {
                outcome[m] = static_cast<std::uint8_t>(rest % 3);
                weight *= p[m][outcome[m]];
            }
            bool reached = false;
            for (const SimpleColumn& column : columns) {
                int hits = 0;
                for (int m = 0; m < RowCount; ++m) hits += column[m] == outcome[m];
                reached = reached || hits >= 13;
            }
            all += weight;
            if (reached) covered += weight;
        }
        // The value, as "quiniela chances" counts it from the files written.
        const JornadaRead read = ReadJornada(jornada_);
        QCOMPARE(int(read.status), int(JornadaStatus::Read));
        const std::string value = ValueText(ChancesOf(bet, ChanceModelOf(read.jornada)));
        QVERIFY(!value.empty());

        QAccessibleInterface* line = systems.accessible(ChancesLabelId);
        QCOMPARE(line->text(QAccessible::Name), QStringLiteral("Probabilidades"));
        QCOMPARE(line->text(QAccessible::Description),
                 ChancesShown(columns, p) + QStringLiteral(" · Valor esperado ") + QString::fromStdString(value) +
                     QStringLiteral(" · Cobertura ") + PerCentShown(covered / all));
        // Each column of the slip: its chance of 14 and, with the public's shares, its contra.
        double chance = 1, publicChance = 1;
        for (int m = 0; m < RowCount; ++m) {
            chance *= p[m][columns[0][m]];
            publicChance *= Public[columns[0][m]] / 100;
        }
        const QString column = QStringLiteral("Columna 01: 14: %1 · contra: %2")
                                   .arg(QString::fromStdString(OneInText(chance)),
                                        QString::number(chance / publicChance, 'f', 2).replace('.', ','));
        QVERIFY2(systems->control(PictureControlId)->accessibleDescription().contains(column), qPrintable(column));
    }
};

QTEST_MAIN(JornadaWindowTest)
#include "jornada_window_test.moc"
