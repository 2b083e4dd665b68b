#pragma once

#include <QWidget>

class EProfileTab;
class QPushButton;
class QTabWidget;
class TempADWidget;

// The calibration settings window, for now with the table editor and the
// profile tab only ("INT" is empty): "OK" saves the table, "Cancel" leaves.
class BiaoDing : public QWidget
{
    Q_OBJECT
public:
    explicit BiaoDing(QWidget *parent = nullptr);

    void resetTempAD(int temperature);

    TempADWidget *tempAD() const { return m_tempAD; }
    QTabWidget *tabs() const { return m_tabs; }
    EProfileTab *profileTab() const { return m_profile; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

Q_SIGNALS:
    void sign_setParaOk(bool ok);

public Q_SLOTS:
    void slot_btnOK();
    void slot_btnCancel();

private:
    TempADWidget *m_tempAD;
    QTabWidget *m_tabs;
    QWidget *m_int;
    EProfileTab *m_profile;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
