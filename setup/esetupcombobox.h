#pragma once

#include <QPushButton>

class QLabel;

// Value row of the setup pages: caption at the left, the current value and
// a small arrow at the right. The owner reacts to clicked() and rewrites
// the value.
class ESetupComboBox : public QPushButton
{
    Q_OBJECT
public:
    explicit ESetupComboBox(const QString &title, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setText(const QString &value);
    QString text() const;
    // Rows that only show a value have no arrow.
    void removeIcon();

private:
    QLabel *m_valueLabel = nullptr;
    QLabel *m_arrowLabel = nullptr;
};
