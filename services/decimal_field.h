#pragma once

// Services-internal: the decimal field, a spin box that takes a comma or a
// point and shows numbers the Spanish way ("0,80"), with its lowest value
// shown as "–", open.

#include <QDoubleSpinBox>

class DecimalField : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit DecimalField(QWidget* parent);

    // From `low` to `high`; one step below `low` is the open value.
    void setOpenRange(double low, double high, int decimals);
    bool isOpen() const;

protected:
    QValidator::State validate(QString& text, int& position) const override;
    double valueFromText(const QString& text) const override;
    // Screen readers read the value through this: open reads as shown.
    QString textFromValue(double value) const override;
};
