// Starts one of the programs as it really starts and prints the time from
// the given launch moment to the first paint of its window, and the peak
// memory so far; then closes the window. Used by bench/startup.sh.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "keeper_settings.h"
#include "keeper_window.h"
#include "reducer_window.h"
#include "window_services.h"

namespace {

long long NowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

long PeakKibibytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(long long launched) : launched_(launched) {}
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!done_ && event->type() == QEvent::Paint && widget && widget->isWindow()) {
            done_ = true;
            std::printf("%.1f %.1f\n", (NowNanoseconds() - launched_) / 1e6, PeakKibibytes() / 1024.0);
            QTimer::singleShot(0, widget, [widget] { widget->close(); });
        }
        return false;
    }

private:
    long long launched_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: startup_probe keeper16|keeper8|reducer LAUNCH_NS\n");
        return 2;
    }
    const std::string program = argv[1];
    const long long launched = std::stoll(argv[2]);
    int probeArgc = 1;
    return RunProgram(probeArgc, argv, [&] {
        FirstPaint probe(launched);
        qApp->installEventFilter(&probe);
        int result = 0;
        if (program == "reducer") {
            ReducerApp app;
            StartReducer(app);
            ShowModal(app.coupon.window, ReducerHandler(app), &result);
        } else {
            CouponApp app;
            StartKeeper(app, program == "keeper8" ? Keeper8Settings : Keeper16Settings);
            ShowModal(app.window, KeeperHandler(app), &result);
        }
        return result;
    });
}
