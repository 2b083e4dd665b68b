#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The calibration menu: "Calib", "Modify", "IR Core", "P/N", "Mix" and
// "Settings". Each item hides the menu and opens its page through the
// live view; "IR Core" opens the core's maintenance window itself.
class CalibInterface : public QDialog
{
    Q_OBJECT
public:
    explicit CalibInterface(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    static QStringList itemNames();
    QPushButton *item(const QString &name) const;

public Q_SLOTS:
    void mouseClicked(const QString &name);

    QLabel *note() const { return m_note; }

private:
    void openCoreWindow();

    QLabel *m_note = nullptr;
};
