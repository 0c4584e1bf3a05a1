#include "decimal_field.h"

#include <QLocale>

#include <cmath>

namespace {

const QString OpenText = QStringLiteral("–");

// The comma is the decimal sign shown; a typed point means the same.
QString WithComma(QString text) { return text.replace(QLatin1Char('.'), QLatin1Char(',')); }

}  // namespace

DecimalField::DecimalField(QWidget* parent) : QDoubleSpinBox(parent) {
    QLocale spanish(QLocale::Spanish, QLocale::Spain);
    // No grouping: a point typed is always the decimal sign.
    spanish.setNumberOptions(QLocale::OmitGroupSeparator);
    setLocale(spanish);
    setSpecialValueText(OpenText);
    setOpenRange(0, 99, 2);
}

void DecimalField::setOpenRange(double low, double high, int decimals) {
    const double step = std::pow(10.0, -decimals);
    setDecimals(decimals);
    setSingleStep(step);
    setRange(low - step, high);
    setValue(low - step);
}

bool DecimalField::isOpen() const { return value() < minimum() + singleStep() / 2; }

QString DecimalField::textFromValue(double value) const {
    return value < minimum() + singleStep() / 2 ? OpenText : QDoubleSpinBox::textFromValue(value);
}

QValidator::State DecimalField::validate(QString& text, int& position) const {
    text = WithComma(text);
    return QDoubleSpinBox::validate(text, position);
}

double DecimalField::valueFromText(const QString& text) const {
    return QDoubleSpinBox::valueFromText(WithComma(text));
}
