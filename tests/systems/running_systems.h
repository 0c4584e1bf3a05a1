#pragma once

// The systems window running for a Qt Test window test: started as the
// program starts it, with a driver that answers its boxes from the first
// one (a bad jornada's comes before the window shows), and the keys a user
// presses.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <memory>

#include "systems_window.h"
#include "window_driver.h"
#include "window_test_bridge.h"

struct RunningSystems {
    SystemsApp app;
    int result = -1;
    std::unique_ptr<WindowDriver> driver;

    RunningSystems() {
        StartSystems(app);
        driver = std::make_unique<WindowDriver>(app.slip.window, app.slip.menuBar);
        BeginModal(app.slip.window, SystemsHandler(app), &result);
        QWidget* top = WidgetOf(app.slip.window);
        QApplication::setActiveWindow(top);
        QVERIFY(QTest::qWaitForWindowActive(top));
    }
    ~RunningSystems() { CloseProgramWindow(app.slip.window); }
    WindowDriver* operator->() { return driver.get(); }

    QAccessibleInterface* accessible(int id) {
        return QAccessible::queryAccessibleInterface(driver->control(id));
    }
    void keys(int id, std::initializer_list<Qt::Key> keys) {
        QWidget* control = driver->control(id);
        control->setFocus();
        for (const Qt::Key key : keys) QTest::keyClick(control, key);
    }
    // Typed into a field reached by Tab, which selects what it showed; Tab leaves it.
    void type(int id, const QString& text) {
        QWidget* control = driver->control(id);
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(control, text);
        QTest::keyClick(control, Qt::Key_Tab);
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

    // Alt reaches the menu bar, Down opens "Funciones" and walks it to
    // `entry`, Enter chooses it: a command with a window of its own runs
    // before this returns.
    void chooseByKeyboard(const QString& entry) {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : WidgetOf(app.slip.window);
        QTest::keyClick(focus, Qt::Key_Alt);
        QTest::keyClick(MenuBarOf(app.slip.window), Qt::Key_Down);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (int k = 0; k < menu->actions().size() && (!menu->activeAction() || menu->activeAction()->text() != entry);
             ++k)
            QTest::keyClick(menu, Qt::Key_Down);
        QVERIFY(menu->activeAction());
        QCOMPARE(menu->activeAction()->text(), entry);
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(QTest::qWaitForWindowActive(WidgetOf(app.slip.window)));
    }
};

inline MatchSigns Triples(int triples) {
    MatchSigns forecast{};
    for (int r = 0; r < RowCount; ++r) forecast[r] = r < triples ? AllSigns : 1;
    return forecast;
}
