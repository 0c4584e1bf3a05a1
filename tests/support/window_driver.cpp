#include "window_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <fstream>
#include <iterator>

#include "surface_registry.h"
#include "window_test_bridge.h"

namespace {
constexpr int PictureControlId = 100;
constexpr int PollMilliseconds = 5;
}  // namespace

WindowDriver::WindowDriver(Handle window, Handle menuBar) : window_(window), menuBar_(menuBar) {
    connect(&poll_, &QTimer::timeout, this, &WindowDriver::answerOpenBox);
    poll_.start(PollMilliseconds);
}

QWidget* WindowDriver::control(int id) const {
    QWidget* top = WidgetOf(window_);
    return top ? top->findChild<QWidget*>(QStringLiteral("control-%1").arg(id)) : nullptr;
}

void WindowDriver::clickPicture(int x, int y) {
    QWidget* picture = control(PictureControlId);
    QVERIFY(picture);
    // The surface starts where the control's border ends.
    const QPoint origin = picture->contentsRect().topLeft();
    QTest::mouseClick(picture, Qt::LeftButton, {}, origin + QPoint(x, y));
}

void WindowDriver::typeFileName(const QString& name) {
    auto* box = qobject_cast<QLineEdit*>(control(101));
    QVERIFY(box);
    box->clear();
    box->setFocus();
    if (name.size() > 200) {
        box->setText(name);  // typing ten thousand keys adds nothing to the test
        return;
    }
    // Keys for what a keyboard types directly; the rest comes as input text.
    for (const QChar c : name) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else
            box->insert(QString(c));
    }
}

void WindowDriver::pressButton(int id) {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

bool WindowDriver::choose(int commandId) {
    QAction* action = MenuActionOf(menuBar_, commandId);
    if (!action || !action->isEnabled()) return false;
    action->trigger();
    return true;
}

bool WindowDriver::menuEnabled(int commandId) const {
    QAction* action = MenuActionOf(menuBar_, commandId);
    return action && action->isEnabled();
}

QImage WindowDriver::picture() const {
    const QImage* image = ControlSurfaceImage(window_, PictureControlId);
    return image ? *image : QImage();
}

void WindowDriver::answer(std::vector<QMessageBox::StandardButton> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

void WindowDriver::answerOpenBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box || !box->isVisible() || box->property("answered").toBool()) continue;
        box->setProperty("answered", true);
        boxes.append({box->text(), box->windowTitle()});
        QAbstractButton* button = box->button(QMessageBox::Ok);
        if (!button && !answers_.empty()) {
            button = box->button(answers_.front());
            answers_.erase(answers_.begin());
        }
        if (!button) {
            QWARN("a Yes/No box appeared with no answer prepared; answering No");
            button = box->button(QMessageBox::No);
        }
        if (button) QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
    }
}

std::vector<unsigned char> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return {std::istreambuf_iterator<char>(in), {}};
}

void CloseProgramWindow(Handle window) {
    if (QWidget* top = WidgetOf(window)) top->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
