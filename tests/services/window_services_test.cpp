// The window services as the programs use them, headless.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <vector>

#include "surface.h"
#include "surface_registry.h"
#include "window_services.h"
#include "window_test_bridge.h"

namespace {

struct Received {
    std::uint32_t message;
    std::uint32_t first;
    std::uint32_t second;
};

// A window with a text box, a button and a picture control, and a handler
// that records every message.
struct TestWindow {
    Handle window = 0;
    Handle bar = 0;
    int result = -1;
    std::vector<Received> seen;

    explicit TestWindow(int width = 430) {
        window = NewWindow(0, "1X2 ...", width, 360);
        SetWindowIcon(window, "#200");
        AddControl(ControlKind::TextBox, window, 101, "", 10, 300, 215, 18);
        AddControl(ControlKind::PushButton, window, 102, "BMP", 233, 300, 50, 18);
        AddControl(ControlKind::Picture, window, 100, "", 10, 10, 100, 80);
        bar = NewMenuBar();
        const Handle popup = NewPopupMenu();
        AddMenuItem(bar, "Funciones", popup, MenuEnabled);
        AddMenuItem(popup, "Grabar Jugada", 1003, MenuEnabled);
        AddMenuItem(popup, "-", 1004, MenuEnabled);
        AddMenuItem(popup, "Borrar Jugada", 1008, MenuEnabled);
        AttachMenu(bar, window);
    }
    void begin() {
        BeginModal(window, [this](Handle, std::uint32_t m, std::uint32_t f, std::uint32_t s) {
            seen.push_back({m, f, s});
            return 0;
        }, &result);
    }
    ~TestWindow() {
        if (QWidget* top = WidgetOf(window)) top->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool saw(std::uint32_t message, std::uint32_t first) const {
        for (const Received& r : seen)
            if (r.message == message && r.first == first) return true;
        return false;
    }
};

// Presses `button` in the next message box that shows, and keeps its text.
void AnswerNextBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    QTimer::singleShot(10, [button, text] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                if (text) *text = box->text();
                box->button(button)->click();
                return;
            }
        QFAIL("no message box open");
    });
}

}  // namespace

class WindowServicesTest : public QObject {
    Q_OBJECT

private slots:
    void clientAreaCentredWithMenuAndControls() {
        TestWindow test(830);
        test.begin();
        QWidget* top = WidgetOf(test.window);
        QCOMPARE(top->size(), QSize(830, 360));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(top->pos().x(), std::max(0, (area.left() + area.right() + 1 - 830) / 2));
        QVERIFY(MenuBarOf(test.window)->isVisible());
        QWidget* button = top->findChild<QWidget*>("control-102");
        const QRect inWindow(button->mapTo(top, QPoint(0, 0)), button->size());
        QVERIFY(top->rect().contains(inWindow));
        QVERIFY(inWindow.top() >= 300 + MenuBarOf(test.window)->height());
        // The controls' and the menu's 8-point default, not the toolkit's.
        QCOMPARE(button->font().pointSize(), 8);
        QCOMPARE(MenuBarOf(test.window)->actions().front()->menu()->font().pointSize(), 8);
        QCOMPARE(test.seen.front().message, Message::InitDialog);
        QCOMPARE(test.seen[1].message, Message::Size);
        QCOMPARE(test.seen[1].second, 830u | (360u << 16));
        QVERIFY(!top->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(top->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    }

    void buttonsAndMenusSendCommands() {
        TestWindow test;
        test.begin();
        QTest::mouseClick(WidgetOf(ControlWindow(test.window, 102)), Qt::LeftButton);
        QVERIFY(test.saw(Message::Command, 102));
        MenuActionOf(test.bar, 1008)->trigger();
        QVERIFY(test.saw(Message::Command, 1008));
        QVERIFY(MenuActionOf(test.bar, 1004) == nullptr);  // "-" is a separator whatever its id
        SetMenuItemState(test.bar, 1008, MenuGreyed);
        QCOMPARE(MenuItemState(test.bar, 1008), MenuGreyed);
        QVERIFY(!MenuActionOf(test.bar, 1008)->isEnabled());
        SetMenuItemState(test.bar, 1008, MenuEnabled);
        QCOMPARE(MenuItemState(test.bar, 1008), MenuEnabled);
        QCOMPARE(ControlWindow(test.window, 77), 0);
    }

    void pictureControlChainsHandlersAndPaintsItsSurface() {
        TestWindow test;
        test.begin();
        QApplication::setActiveWindow(WidgetOf(test.window));
        QVERIFY(QTest::qWaitForWindowActive(WidgetOf(test.window)));
        const Handle picture = ControlWindow(test.window, 100);
        std::vector<std::uint32_t> presses;
        MessageHandler previous;
        previous = SetControlHandler(picture, [&](Handle c, std::uint32_t m, std::uint32_t f,
                                                  std::uint32_t s) {
            if (m == Message::LeftButtonDown) presses.push_back(s);
            return CallPreviousHandler(previous, c, m, f, s);
        });
        QWidget* widget = WidgetOf(picture);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->contentsRect().topLeft() + QPoint(30, 25));
        QCOMPARE(presses, std::vector<std::uint32_t>{30u | (25u << 16)});
        QVERIFY(test.saw(Message::Command, 100));
        QCOMPARE(FocusedControl(), picture);

        SelectSurface(test.window, 100, false);
        ClearSurface(Rgb(255, 0, 0));
        DrawBox(0, 0, 1, 1, 0, Rgb(0, 0, 255), -1);
        const QImage shown = widget->grab().toImage();
        const QPoint origin = widget->contentsRect().topLeft();
        QCOMPARE(shown.pixel(origin) & 0xFFFFFF, 0x0000FFu);
        QCOMPARE(shown.pixel(origin + QPoint(99, 79)) & 0xFFFFFF, 0xFF0000u);
        QCOMPARE(ControlSurfaceImage(test.window, 100)->size(), QSize(100, 80));
    }

    void messageBoxesAnswerThroughTheirButtons() {
        QString text;
        AnswerNextBox(QMessageBox::Ok, &text);
        QCOMPARE(ShowMessage("uno\r\ndos", MessageButtons::Ok, "Programador"), MessageResult::Ok);
        QCOMPARE(text, QStringLiteral("uno\ndos"));
        AnswerNextBox(QMessageBox::Yes);
        QCOMPARE(ShowMessage("?", MessageButtons::YesNo, "Programador"), MessageResult::Yes);
        AnswerNextBox(QMessageBox::No);
        QCOMPARE(ShowMessage("?", MessageButtons::YesNo, "Programador"), MessageResult::No);
    }

    void yesNoBoxIgnoresEscapeAndClose() {
        bool stillOpen = false;
        QTimer::singleShot(10, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                    QVERIFY(box->windowTitle() == QStringLiteral("Velmar Soft"));
                    QVERIFY(box->parentWidget() == nullptr);
                    QCOMPARE(box->icon(), QMessageBox::NoIcon);
                    QTest::keyClick(box, Qt::Key_Escape);
                    box->close();
                    QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    stillOpen = box->isVisible();
                    box->button(QMessageBox::No)->click();
                }
        });
        QCOMPARE(ShowMessage("?", MessageButtons::YesNo, "Velmar Soft"), MessageResult::No);
        QVERIFY(stillOpen);
    }

    void mainWindowStaysUsableWhileABoxIsOpen() {
        TestWindow test;
        test.begin();
        QTimer::singleShot(10, [&] {
            QTest::mouseClick(WidgetOf(ControlWindow(test.window, 102)), Qt::LeftButton);
            AnswerNextBox(QMessageBox::Ok);
        });
        ShowMessage("abierto", MessageButtons::Ok, "Programador");
        QVERIFY(test.saw(Message::Command, 102));
    }

    void closingEndsTheRunWithResultZero() {
        TestWindow test;
        test.begin();
        const Handle picture = ControlWindow(test.window, 100);
        QVERIFY(picture != 0);
        WidgetOf(test.window)->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test.result, 0);
        std::vector<std::uint32_t> tail;
        for (const Received& r : test.seen)
            if (r.message == Message::SysCommand || r.message == Message::Close ||
                r.message == Message::Destroy)
                tail.push_back(r.message);
        QCOMPARE(tail, (std::vector<std::uint32_t>{Message::SysCommand, Message::Close,
                                                    Message::Destroy}));
        QVERIFY(test.saw(Message::SysCommand, SysCommandClose));
        QVERIFY(WidgetOf(test.window) == nullptr);
        QVERIFY(ControlSurfaceImage(test.window, 100) == nullptr);
    }

    void messagePassPausesOnlyWhileAWindowIsShown() {
        TestWindow test;  // made, not shown yet: nothing can be waiting for it
        QElapsedTimer clock;
        clock.start();
        for (int k = 0; k < 200; ++k) QCOMPARE(ProcessPendingMessage(1), 1);
        // With a pause each, 200 passes would take at least 200 ms.
        QVERIFY2(clock.elapsed() < 100, qPrintable(QString::number(clock.elapsed())));

        test.begin();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(test.window)));
        QTest::qWait(20);
        clock.restart();
        for (int k = 0; k < 20; ++k) ProcessPendingMessage(1);
        // Most of these passes find nothing to do and pause for 1 ms.
        QVERIFY2(clock.elapsed() >= 10, qPrintable(QString::number(clock.elapsed())));
    }

    void textAndFocus() {
        TestWindow test;
        test.begin();
        QWidget* top = WidgetOf(test.window);
        QApplication::setActiveWindow(top);
        QVERIFY(QTest::qWaitForWindowActive(top));
        const Handle box = ControlWindow(test.window, 101);
        SetFocusTo(box);
        QCOMPARE(FocusedControl(), box);
        QTest::keyClicks(WidgetOf(box), QStringLiteral("foto"));
        qobject_cast<QLineEdit*>(WidgetOf(box))->insert(QString::fromUtf8(" año €.bmp"));
        QCOMPARE(GetControlText(box), std::string("foto año €.bmp"));
    }

    void iconIsAShadedBallWithTwoSizes() {
        TestWindow test;
        const QIcon icon = WidgetOf(test.window)->windowIcon();
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        const QImage image = icon.pixmap(32, 32).toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(31, 31)), 0);
        bool dark = false, light = false, grey = false;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) < 255) continue;
                dark |= qGray(p) < 60;
                light |= qGray(p) > 230;
                grey |= qGray(p) > 120 && qGray(p) < 200;
            }
        QVERIFY(dark && light && grey);
    }
};

QTEST_MAIN(WindowServicesTest)
#include "window_services_test.moc"
