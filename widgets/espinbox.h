#pragma once

#include <QSpinBox>

// Spin box for a value with a fixed number of decimals: it holds the value
// times 10^decimals as its integer and shows it with exactly that many
// decimals. Read-only: values come from setValue and the row's arrows.
class ESpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit ESpinBox(QWidget *parent = nullptr);

    void setDecimals(int decimals) { m_decimals = decimals; }
    int decimals() const { return m_decimals; }
    void setRange(float min, float max);
    void setValue(float value);
    double value() const;
    double singleStep_float() const;
    // keep: this step becomes the one a long press restores; the first call
    // sets it whatever keep says.
    void setSingleStep(double step, bool keep);
    double orginSingleStep() const { return m_originStep; }
    // "Emiss" turns on the tap detection on the value.
    void setObjectName(const QString &name);

    // The integer that represents a value at the current decimals, rounded
    // to nearest for both signs and bounded to the int range.
    int scaled(double value) const;

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    QString textFromValue(int value) const override;
    // Reads back the text this box writes, so that losing the focus never
    // reinterprets "0.80" as the integer 80 (or rejects it).
    int valueFromText(const QString &text) const override;
    QValidator::State validate(QString &input, int &pos) const override;

private:
    double scale() const;
    bool parse(const QString &text, int *value) const;

    double m_originStep = 0.0;
    bool m_stepNotRemembered = true;
    int m_decimals = 0;
};
