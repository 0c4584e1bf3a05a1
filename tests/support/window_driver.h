#pragma once

// Drives a program's window as a user would, for the Qt Test window tests:
// clicks at exact picture pixels, menu commands, typed names, and message
// boxes answered through the real dialog.

#include <QImage>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <string>
#include <vector>

#include "handles.h"

class QWidget;

struct SeenBox {
    QString text;
    QString title;
};

class WindowDriver : public QObject {
    Q_OBJECT
public:
    WindowDriver(Handle window, Handle menuBar);

    QWidget* control(int id) const;
    void clickPicture(int x, int y);
    void typeFileName(const QString& name);
    void pressButton(int id);
    // Triggers a "Funciones" entry as the menu would; false when greyed.
    bool choose(int commandId);
    bool menuEnabled(int commandId) const;
    // What the picture control shows.
    QImage picture() const;
    QRgb pictureAt(int x, int y) const { return picture().pixel(x, y) & 0xFFFFFF; }

    // Answers for the next Yes/No boxes, in order; OK boxes are always
    // answered with OK. Every box seen is recorded.
    void answer(std::vector<QMessageBox::StandardButton> answers);
    QList<SeenBox> boxes;
    void clearBoxes() { boxes.clear(); }

private slots:
    void answerOpenBox();

private:
    Handle window_;
    Handle menuBar_;
    QTimer poll_;
    std::vector<QMessageBox::StandardButton> answers_;
};

// Closes a program's window as its title-bar button would, if it is still
// open, and lets Qt delete it.
void CloseProgramWindow(Handle window);

// Bytes of a file, empty when it does not exist.
std::vector<unsigned char> FileBytes(const std::string& path);
