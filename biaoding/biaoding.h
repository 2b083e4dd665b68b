#pragma once

#include <QWidget>

class EFidTab;
class EProfileTab;
class QPushButton;
class QTabWidget;
class TempADWidget;

// The calibration settings window: the table editor ("T-AD"), the ranges
// and integration times ("INT") and profile generation ("Profile"). OK
// stores the table, the lens and range shown, the range texts, their
// count and the integration times, applies the integration time at once
// and makes the library load that table; Cancel asks first when the table
// has unsaved edits; Escape leaves without storing.
class BiaoDing : public QWidget
{
    Q_OBJECT
public:
    explicit BiaoDing(QWidget *parent = nullptr);

    void resetTempAD(int temperature);

    // What the last OK's table load found: empty for the table itself,
    // "Calibration file error!" or "Default table used!".
    QString loadNote() const { return m_loadNote; }

    TempADWidget *tempAD() const { return m_tempAD; }
    QTabWidget *tabs() const { return m_tabs; }
    EFidTab *intTab() const { return m_int; }
    EProfileTab *profileTab() const { return m_profile; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

Q_SIGNALS:
    void sign_setParaOk(bool ok);

public Q_SLOTS:
    void slot_btnOK();
    void slot_btnCancel();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool storeSettings(int lens, int range);
    void loadTable(int lens, int range);

    TempADWidget *m_tempAD;
    QTabWidget *m_tabs;
    EFidTab *m_int;
    EProfileTab *m_profile;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QString m_loadNote;
};
