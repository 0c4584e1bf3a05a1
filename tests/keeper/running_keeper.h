#pragma once

// A keeper window started for a Qt Test, with the helpers its tests share.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <sys/stat.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "bet_file.h"
#include "bet_record_file.h"
#include "keeper_window.h"
#include "window_driver.h"
#include "window_test_bridge.h"

// A running keeper: its state, its modal run begun, and a driver.
struct Keeper {
    CouponApp app;
    int result = -1;
    std::unique_ptr<WindowDriver> driver;

    explicit Keeper(const CouponSettings& settings) {
        StartKeeper(app, settings);
        BeginModal(app.window, KeeperHandler(app), &result);
        driver = std::make_unique<WindowDriver>(app.window, app.menuBar);
    }
    ~Keeper() {
        CloseProgramWindow(app.window);
    }
    WindowDriver& operator*() { return *driver; }
    WindowDriver* operator->() { return driver.get(); }

    // Centre of cell (c, s, r) in picture coordinates.
    void clickCell(int c, int s, int r) {
        driver->clickPicture(15 + 49 * c + 15 * s + 7, 25 + 15 * r + 7);
    }
    QRgb cellInside(int c, int s, int r) {
        // Bottom-left inside pixel: clear of the letter and of the border.
        return driver->pictureAt(15 + 49 * c + 15 * s + 1, 25 + 15 * r + 13);
    }
    QRgb cellBorder(int c, int s, int r) {
        return driver->pictureAt(15 + 49 * c + 15 * s, 25 + 15 * r);
    }
};

inline std::vector<BetRecord> Records(const std::string& path) { return ReadBetRecords(path); }

inline void WriteRecords(const std::string& path, const std::vector<BetRecord>& records) {
    std::filesystem::remove(path);
    QVERIFY(AppendBetRecords(path, records));
}

// Keys go wherever the focus is, as a user's do.
inline void PressKeys(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers modifiers = {}) {
    for (const Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

inline void Activate(Handle window) {
    QWidget* top = WidgetOf(window);
    QApplication::setActiveWindow(top);
    QVERIFY(QTest::qWaitForWindowActive(top));
}

// A clean program folder for the next test: no bet and no picture, also
// pictures a test left read-only or named "x.bmp.y".
inline void RemoveBetAndPictures(const std::string& folder) {
    std::filesystem::remove(BetFilePath(folder));
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".bmp") == std::string::npos && name.find(".BMP") == std::string::npos) continue;
        chmod(entry.path().c_str(), 0644);
        std::filesystem::remove_all(entry.path());
    }
}
