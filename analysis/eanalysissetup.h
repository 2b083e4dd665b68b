#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

class EComboBoxItem;
class ESpinBoxItem;
class ETitle;

// "Measure Setting": the lens the board detects, the measuring range and
// the environment (ambient, humidity, reflected). Environment steps go to
// the board at once and are stored on every way out; choosing a range
// stores everything and switches the board, 3 s later reloading and
// checking its tables and running a shutter.
class EAnalysisSetup : public QWidget
{
    Q_OBJECT
public:
    explicit EAnalysisSetup(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void readConfigPara();
    // false when the settings file could not be written.
    bool savePara();
    void change();
    void showMessageBox(int index);
    void setLenIndex(int lensIndex);

    // "None", the four lenses, "Unknown": the entry shown for a lens index.
    static int lensEntry(int lensIndex);
    // "-20~150°C" to -20 and 150; false unless two integers with min < max.
    static bool parseRange(const QString &entry, int *min, int *max);
    // "IntTime%1": the stored integration time of a range, or its default.
    static unsigned short intTime(int range);

    int currentRange() const { return m_currentRange; }
    QTimer *messageTimer() { return &m_messageTimer; }
    ETitle *title() const { return m_title; }
    EComboBoxItem *rangeItem() const { return m_range; }
    EComboBoxItem *lensItem() const { return m_lens; }
    ESpinBoxItem *envItem() const { return m_env; }
    ESpinBoxItem *humidItem() const { return m_humid; }
    ESpinBoxItem *refItem() const { return m_ref; }

public Q_SLOTS:
    void okClicked();
    void changePara(const QString &name);
    void changeTempRange(int index);
    void setCustomStyleSheet();
    void slot_messageTimerHandler();
    void slot_change_lens(int lensIndex);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    static QStringList rangeList();
    void showTip(const QString &text);

    ETitle *m_title;
    EComboBoxItem *m_range;
    EComboBoxItem *m_lens;
    ESpinBoxItem *m_env;
    ESpinBoxItem *m_humid;
    ESpinBoxItem *m_ref;
    int m_currentRange = 0;
    // One restartable wait: a second range change within it starts it again.
    QTimer m_messageTimer;
};
