#include "value_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "decimal_field.h"
#include "main_window_widget.h"
#include "qt_text.h"
#include "window_registry.h"
#include "window_services.h"

namespace {

// What a number field shows while it is open.
const QString OpenText = QStringLiteral("–");

QWidget* WidgetOfControl(Handle control) {
    RegistryEntry* entry = FindHandle(control);
    return entry ? entry->widget.data() : nullptr;
}

QLabel* NewLabel(std::string_view text, std::uint32_t style, QWidget* parent) {
    auto* label = new QLabel(FromText(text), parent);
    if ((style & LabelTakesFocus) != 0) {
        // The text cursor shows where the focus is. The flags set a focus
        // policy of their own, so Tab's comes after them.
        label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        label->setFocusPolicy(Qt::StrongFocus);
    }
    return label;
}

}  // namespace

QWidget* NewValueControl(int kind, Handle window, int id, Handle handle, std::string_view text,
                         std::uint32_t style, QWidget* parent) {
    if (kind == ControlKind::Label) return NewLabel(text, style, parent);
    if (kind == ControlKind::Choice) {
        auto* choice = new QComboBox(parent);
        choice->addItems(FromText(text).split(QLatin1Char('\n')));
        QObject::connect(choice, &QComboBox::activated,
                         [window, id, handle] { SendCommand(window, id, handle); });
        return choice;
    }
    if (kind == ControlKind::NumberField) {
        auto* field = new QSpinBox(parent);
        field->setSpecialValueText(OpenText);
        field->setRange(-1, 99);
        field->setValue(-1);
        return field;
    }
    if (kind == ControlKind::DecimalField) return new DecimalField(parent);
    if (kind == ControlKind::ProgressBar) {
        auto* bar = new QProgressBar(parent);
        bar->setTextVisible(false);
        return bar;
    }
    return nullptr;
}

void SetControlRange(Handle control, int low, int high) {
    QWidget* widget = WidgetOfControl(control);
    if (auto* field = qobject_cast<QSpinBox*>(widget)) {
        // One below the range is the open value, shown blank.
        field->setRange(low - 1, high);
        field->setValue(low - 1);
    } else if (auto* bar = qobject_cast<QProgressBar*>(widget)) {
        bar->setRange(low, high);
    }
}

int GetControlValue(Handle control) {
    QWidget* widget = WidgetOfControl(control);
    if (auto* choice = qobject_cast<QComboBox*>(widget)) return choice->currentIndex();
    if (auto* field = qobject_cast<QSpinBox*>(widget)) return field->value();
    if (auto* bar = qobject_cast<QProgressBar*>(widget)) return bar->value();
    return 0;
}

void SetControlValue(Handle control, int value) {
    QWidget* widget = WidgetOfControl(control);
    if (auto* choice = qobject_cast<QComboBox*>(widget)) choice->setCurrentIndex(value);
    if (auto* field = qobject_cast<QSpinBox*>(widget)) field->setValue(value);
    if (auto* bar = qobject_cast<QProgressBar*>(widget)) bar->setValue(value);
}

void SetControlDecimalRange(Handle control, double low, double high, int decimals) {
    if (auto* field = qobject_cast<DecimalField*>(WidgetOfControl(control)))
        field->setOpenRange(low, high, decimals);
}

std::optional<double> GetControlNumber(Handle control) {
    auto* field = qobject_cast<DecimalField*>(WidgetOfControl(control));
    if (!field || field->isOpen()) return std::nullopt;
    return field->value();
}

void SetControlNumber(Handle control, std::optional<double> value) {
    if (auto* field = qobject_cast<DecimalField*>(WidgetOfControl(control)))
        field->setValue(value ? *value : field->minimum());
}

void SetControlText(Handle control, std::string_view text) {
    QWidget* widget = WidgetOfControl(control);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(FromText(text));
        // A named label's name replaces its text for screen readers.
        if (!label->accessibleName().isEmpty()) label->setAccessibleDescription(label->text());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(FromText(text));
    if (auto* box = qobject_cast<QLineEdit*>(widget)) box->setText(FromText(text));
}

void SetControlEnabled(Handle control, bool enabled) {
    if (QWidget* widget = WidgetOfControl(control)) widget->setEnabled(enabled);
}

void SetControlLabel(Handle label, Handle control) {
    auto* text = qobject_cast<QLabel*>(WidgetOfControl(label));
    if (QWidget* widget = WidgetOfControl(control); text && widget) text->setBuddy(widget);
}

void SetControlAccessibleName(Handle control, std::string_view text) {
    QWidget* widget = WidgetOfControl(control);
    if (!widget) return;
    widget->setAccessibleName(FromText(text));
    // Said of a label, the name would hide the text: the text moves to the
    // description.
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setAccessibleDescription(label->text());
}
