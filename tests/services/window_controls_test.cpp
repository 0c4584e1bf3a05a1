// Labels, decimal fields and secondary windows as screen readers, the
// keyboard and the programs see them, headless.

#include <QAccessible>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QTest>

#include <vector>

#include "window_services.h"
#include "window_test_bridge.h"

namespace {

constexpr int LabelId = 10;
constexpr int FieldId = 11;
constexpr int BoxId = 12;

// A window's messages, recorded.
struct Recorder {
    std::vector<std::uint32_t> messages;
    std::vector<std::uint32_t> keys;
    MessageHandler handler() {
        return [this](Handle, std::uint32_t message, std::uint32_t first, std::uint32_t) {
            messages.push_back(message);
            if (message == Message::KeyDown) keys.push_back(first);
            return 0;
        };
    }
    bool saw(std::uint32_t message) const {
        for (const std::uint32_t m : messages)
            if (m == message) return true;
        return false;
    }
};

Handle Window(Handle parent = 0) {
    return NewWindow(parent, "Ventana", 300, 200);
}

Handle Add(Handle window, int kind, int id, std::uint32_t style = 0) {
    AddControl(kind, window, id, "", 10, 10 + 30 * (id - LabelId), 200, 22, style);
    return ControlWindow(window, id);
}

void Close(Handle window) {
    if (QWidget* top = WidgetOf(window)) top->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Activate(Handle window) {
    QWidget* top = WidgetOf(window);
    QApplication::setActiveWindow(top);
    QVERIFY(QTest::qWaitForWindowActive(top));
}

}  // namespace

class WindowControlsTest : public QObject {
    Q_OBJECT

private slots:
    void aNamedLabelIsReadWholeAndTabReachesIt() {
        const Handle window = Window();
        const Handle label = Add(window, ControlKind::Label, LabelId, LabelTakesFocus);
        const Handle plain = Add(window, ControlKind::Label, LabelId + 3);
        SetControlText(plain, "Unos");
        SetControlAccessibleName(label, "Resumen");
        SetControlText(label, "24 apuestas · 18,00 €");
        QAccessibleInterface* line = QAccessible::queryAccessibleInterface(WidgetOf(label));
        QCOMPARE(line->text(QAccessible::Name), QStringLiteral("Resumen"));
        QCOMPARE(line->text(QAccessible::Description), QStringLiteral("24 apuestas · 18,00 €"));
        SetControlText(label, "");  // no result: nothing left to read
        QCOMPARE(line->text(QAccessible::Description), QString());
        // A label without a name of its own is read by its text, as before.
        QCOMPARE(QAccessible::queryAccessibleInterface(WidgetOf(plain))->text(QAccessible::Name),
                 QStringLiteral("Unos"));
        QVERIFY(WidgetOf(label)->focusPolicy() & Qt::TabFocus);
        QVERIFY(!(WidgetOf(plain)->focusPolicy() & Qt::TabFocus));
        Close(window);
    }

    void aDecimalFieldTakesACommaOrAPointAndStartsOpen() {
        const Handle window = Window();
        const Handle field = Add(window, ControlKind::DecimalField, FieldId);
        SetControlDecimalRange(field, 0.01, 1000, 2);
        QVERIFY(!GetControlNumber(field).has_value());
        auto* box = qobject_cast<QDoubleSpinBox*>(WidgetOf(field));
        QCOMPARE(box->text(), QStringLiteral("–"));
        Recorder recorder;
        BeginModal(window, recorder.handler(), nullptr);
        Activate(window);
        for (const auto& [typed, number] : {std::pair{"1,5", 1.5}, std::pair{"2.25", 2.25}, std::pair{"0.8", 0.8}}) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QString::fromLatin1(typed));
            QTest::keyClick(box, Qt::Key_Tab);
            QCOMPARE(GetControlNumber(field).value_or(-1), number);
        }
        SetControlNumber(field, 2.5);
        QCOMPARE(box->text(), QStringLiteral("2,50"));  // shown the Spanish way
        SetControlNumber(field, 5000);  // above the range: its top
        QCOMPARE(GetControlNumber(field).value_or(-1), 1000.0);
        SetControlNumber(field, std::nullopt);
        QVERIFY(!GetControlNumber(field).has_value());
        Close(window);
    }

    void aSecondaryWindowTakesEscapeFromATextBoxAndEndsWithItsOwner() {
        const Handle owner = Window();
        Recorder ownerMessages, dialogMessages;
        BeginModal(owner, ownerMessages.handler(), nullptr);
        const Handle dialog = Window(owner);
        const Handle box = Add(dialog, ControlKind::TextBox, BoxId);
        int result = -1;
        BeginModal(dialog, dialogMessages.handler(), &result);
        QVERIFY(WidgetOf(dialog)->isModal());
        Activate(dialog);
        SetFocusTo(box);
        QTest::keyClicks(WidgetOf(box), QStringLiteral("Betis"));
        QTest::keyClick(WidgetOf(box), Qt::Key_Escape);
        QCOMPARE(dialogMessages.keys, std::vector<std::uint32_t>{VirtualKey::Escape});
        QCOMPARE(GetControlText(box), std::string("Betis"));

        // The owner's end ends the window that belongs to it first.
        Close(owner);
        QVERIFY(dialogMessages.saw(Message::Destroy));
        QVERIFY(ownerMessages.saw(Message::Destroy));
        QCOMPARE(result, 0);
        QVERIFY(WidgetOf(dialog) == nullptr);
        QVERIFY(WidgetOf(owner) == nullptr);
    }

    void aMainWindowTextBoxKeepsEscapeAndEndModalGivesTheResult() {
        const Handle window = Window();
        const Handle box = Add(window, ControlKind::TextBox, BoxId);
        Recorder recorder;
        int result = -1;
        BeginModal(window, recorder.handler(), &result);
        Activate(window);
        SetFocusTo(box);
        QTest::keyClick(WidgetOf(box), Qt::Key_Escape);
        QVERIFY(recorder.keys.empty());
        EndModal(window, 7);
        QCOMPARE(result, 7);
        QVERIFY(recorder.saw(Message::Destroy));
        QVERIFY(!recorder.saw(Message::SysCommand));  // ended without being asked
        Close(window);
    }
};

QTEST_MAIN(WindowControlsTest)
#include "window_controls_test.moc"
