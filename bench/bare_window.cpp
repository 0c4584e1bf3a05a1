// The yardstick for keeper16's start-up: a plain Qt Widgets window of the
// same client size and the same kinds of controls (a menu bar, a text box,
// two push buttons and a picture), written the way any Qt program would
// write it. It quits right after its first paint, as startup_probe makes the
// programs do, so that bench/startup.sh can time both processes from start
// to exit side by side.
//
//   bare_window [LAUNCH_NS [WIDTH HEIGHT]]
//
// With LAUNCH_NS it prints the same "ms-to-first-paint peak-MiB" line as
// startup_probe.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "process_clock.h"

namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, long long launched) : window_(window), launched_(launched) {}
    bool eventFilter(QObject* object, QEvent* event) override {
        if (!done_ && object == window_ && event->type() == QEvent::Paint) {
            done_ = true;
            if (launched_ > 0)
                std::printf("%.1f %.1f\n", (NowNanoseconds() - launched_) / 1e6,
                            PeakKibibytes() / 1024.0);
            QTimer::singleShot(0, window_, [this] { window_->close(); });
        }
        return false;
    }

private:
    QWidget* window_;
    long long launched_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const long long launched = argc > 1 ? std::stoll(argv[1]) : 0;
    const int width = argc > 3 ? std::stoi(argv[2]) : 830;
    const int height = argc > 3 ? std::stoi(argv[3]) : 360;
    int appArgc = 1;
    QApplication application(appArgc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(width, height);

    auto* bar = new QMenuBar(&window);
    QMenu* menu = bar->addMenu(QStringLiteral("Funciones"));
    for (const char* entry : {"Grabar Jugada", "Visualizar Jugada", "Comprobar Jugada",
                              "Limpiar Pantalla", "Borrar Jugada"})
        menu->addAction(QString::fromLatin1(entry));
    bar->setGeometry(0, 0, width, bar->sizeHint().height());

    auto* client = new QWidget(&window);
    client->setGeometry(0, bar->height(), width, height - bar->height());
    QPixmap picture(width - 20, 280);
    picture.fill(Qt::white);
    auto* label = new QLabel(client);
    label->setPixmap(picture);
    label->setGeometry(10, 10, picture.width(), picture.height());
    auto* box = new QLineEdit(client);
    box->setGeometry(10, 300, 215, 18);
    auto* bmp = new QPushButton(QStringLiteral("BMP"), client);
    bmp->setGeometry(233, 300, 50, 18);
    auto* reset = new QPushButton(QStringLiteral("Reset"), client);
    reset->setGeometry(285, 300, 50, 18);

    FirstPaint probe(&window, launched);
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
