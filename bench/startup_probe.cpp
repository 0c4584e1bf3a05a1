// Starts one of the programs as it really starts and prints the time from
// the given launch moment to the first paint of its window, and the peak
// memory so far; then closes the window. Used by bench/startup.sh.
// With a folder after it, a keeper first shows the bet stored there through
// "Visualizar Jugada" and the figures are taken once it is shown
// (bench/bet_memory.sh).
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "keeper_settings.h"
#include "keeper_window.h"
#include "reducer_window.h"
#include "window_services.h"

#include "process_clock.h"

namespace {

void Report(long long launched) {
    std::printf("%.1f %.1f\n", (NowNanoseconds() - launched) / 1e6, PeakKibibytes() / 1024.0);
}

class FirstPaint : public QObject {
public:
    // `before` runs once the first paint is over, before the report.
    FirstPaint(long long launched, std::function<void()> before = {})
        : launched_(launched), before_(std::move(before)) {}
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!done_ && event->type() == QEvent::Paint && widget && widget->isWindow()) {
            done_ = true;
            if (!before_) Report(launched_);
            QTimer::singleShot(0, widget, [this, widget] {
                if (before_) {
                    before_();
                    Report(launched_);
                }
                widget->close();
            });
        }
        return false;
    }

private:
    long long launched_;
    std::function<void()> before_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 1 ? argv[1] : "";
    if (argc < 3 || argc > 4 || (argc == 4 && program == "reducer")) {
        std::fprintf(stderr, "usage: startup_probe keeper16|keeper8|reducer LAUNCH_NS\n"
                             "       startup_probe keeper16|keeper8 LAUNCH_NS BET_FOLDER\n");
        return 2;
    }
    const long long launched = std::stoll(argv[2]);
    const std::string betFolder = argc == 4 ? std::string(argv[3]) + "/" : "";
    int probeArgc = 1;
    return RunProgram(probeArgc, argv, [&] {
        int result = 0;
        if (program == "reducer") {
            FirstPaint probe(launched);
            qApp->installEventFilter(&probe);
            ReducerApp app;
            StartReducer(app);
            ShowModal(app.coupon.window, ReducerHandler(app), &result);
        } else {
            CouponApp app;
            // The menu entry's own message, as a click on it sends.
            const auto showBet = [&app, &betFolder] {
                app.programFolder = betFolder;
                KeeperHandler(app)(app.window, Message::Command, ShowBetId, 0);
            };
            FirstPaint probe(launched, betFolder.empty() ? std::function<void()>() : showBet);
            qApp->installEventFilter(&probe);
            StartKeeper(app, program == "keeper8" ? Keeper8Settings : Keeper16Settings);
            ShowModal(app.window, KeeperHandler(app), &result);
        }
        return result;
    });
}
