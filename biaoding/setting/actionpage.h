#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// A service page that does one thing: its title, one button and a line
// for the result.
class ActionPage : public QWidget
{
    Q_OBJECT
public:
    ActionPage(const QString &title, const QString &buttonText, QWidget *parent = nullptr);

    QPushButton *actionButton() const { return m_button; }
    QLabel *resultLabel() const { return m_result; }

private:
    QPushButton *m_button = nullptr;
    QLabel *m_result = nullptr;
};
