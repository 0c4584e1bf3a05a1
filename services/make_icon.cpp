// Writes the programs' icon as a PNG for the desktop entries.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "program_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon FILE.png\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    return ProgramIconImage(32).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
