#pragma once

#include <QHash>
#include <QVariant>
#include <QWidget>

class EIRCoreAdjustItem;
class ESetupComboBox;
class ESetupSwitch;
class MyKeyboard;
class QPushButton;
class QTimer;

// Page "Para Setting" of the core window: five core registers and the
// heater, read from the core at every show. A register row hides the
// window and opens the value bar at the bottom of the live picture, with
// the core's AD sum at the top refreshed every second; each value goes to
// the core at once and is recorded in "Parameter/IRCorePara" only once
// the core took it (a refused value puts the bar back to the last one
// taken). Records are written together, a moment after the last change,
// so a held arrow does not rewrite the file five times a second.
class ParaPage : public QWidget
{
    Q_OBJECT
public:
    struct Register
    {
        const char *row;      // row title
        const char *name;     // the bar's name while it is edited
        const char *key;      // key in the record file
        int min, max, step;
        const char *initial;  // the row before the first show
    };
    static const Register *registerNamed(const QString &name);
    static QString recordFile() { return QStringLiteral("Parameter/IRCorePara"); }
    enum { DefaultFir = 15, RecordDelayMs = 500, SumRefreshMs = 1000 };

    explicit ParaPage(QWidget *parent = nullptr);
    ~ParaPage() override;

    ESetupComboBox *row(const QString &name) const;
    ESetupSwitch *heaterRow() const { return m_heater; }
    EIRCoreAdjustItem *adjustItem() const { return m_adjust; }
    QPushButton *sumButton() const { return m_sum; }
    QTimer *sumTimer() const { return m_timer; }
    MyKeyboard *keyboard() const { return m_keyboard; }
    // Writes the pending records now; false when the file refused them.
    bool flushRecords();
    // Closes the bar and the keypad without a key (the window is closing).
    void endEditing();

public Q_SLOTS:
    void fidHandler();
    void vskHandler();
    void intTimeHandler();
    void firHandler();
    void gainHandler();
    void heaterHandler();
    void valueChanged(const QString &name, int value);
    void adjustWindowClicked(const QString &name);
    void adjustWindowClose(const QString &name);
    void slot_setEdit(const QString &text);
    void updateSum();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void readConfigPara();
    void openBar(const Register &reg);
    static int send(const Register &reg, int value);
    void record(const QString &key, const QVariant &value);

    QHash<QString, ESetupComboBox *> m_rows;
    ESetupSwitch *m_heater = nullptr;
    EIRCoreAdjustItem *m_adjust = nullptr;
    QPushButton *m_sum = nullptr;
    QTimer *m_timer = nullptr;
    QTimer *m_recordTimer = nullptr;
    MyKeyboard *m_keyboard = nullptr;
    QHash<QString, QVariant> m_pending;
    // The value the core holds for the register being edited.
    int m_taken = 0;
};
