#pragma once

#include "calibpoint.h"

#include <QWidget>

class BiaoDing;
class EAreaWidget;
class QLabel;
class QPushButton;
class QTimer;
class TempSelct;

// The blackbody calibration wizard over the calibration area. Page 0: aim
// at the 30-degree blackbody, "SetBg" takes a background through the
// core's external shutter and the 500 ms poll moves on once the area's
// average AD settles at 0x7FFD..0x8002. Page 1: aim at the target, "Next"
// captures the AD and shows the chooser (page 2). The chosen temperature
// and the drift-corrected AD go into the table of the fitted lens and the
// current range, read anew for every save, and into the calibration log.
// Without a lens it shows "No Lens!" and saves nothing. "CalibInfo "
// opens the calibration settings window.
class MainBiaoDing : public QWidget
{
    Q_OBJECT
public:
    enum Page { BackgroundPage = 0, TargetPage = 1, ChoosePage = 2 };
    enum { PollMs = 500, NoneSaved = -50, NoLens = 255 };

    explicit MainBiaoDing(EAreaWidget *area, QWidget *parent = nullptr);
    ~MainBiaoDing() override;

    int getCurPage() const { return m_page; }
    bool isOpenBiaodingList() const { return m_settingsOpen; }

    // ---- what the screens and tests look at ----
    EAreaWidget *area() const { return m_area; }
    QString tableFile() const { return m_fileName; }
    QString capturedAD() const { return m_capturedAD; }
    bool backgroundTaken() const { return m_backgroundTaken; }
    int lastSavedTemp() const { return m_lastSaved; }
    QLabel *tipLabel() const { return m_tip; }
    QLabel *adLabel() const { return m_adValue; }
    QPushButton *calibInfoButton() const { return m_btnBiaoDing; }
    QPushButton *backButton() const { return m_btnPrev; }
    QPushButton *nextButton() const { return m_btnNext; }
    QTimer *pollTimer() const { return m_timer; }
    TempSelct *tempSelect() const { return m_tempSelect; }
    BiaoDing *settingsWindow() const { return m_settings; }

public Q_SLOTS:
    void slot_closeBiaoDing(bool ok);
    void slot_btnPrev();
    void slot_btnNext();
    void slot_btnBiaoDing();
    void slot_tmGetAd();
    void slot_saveValue(int temperature);

protected:
    // The calibration area the AD is read from, drawn where the wizard
    // covers it: a clear window shows the picture, not the live view.
    void paintEvent(QPaintEvent *event) override;

private:
    void showTempSelect();
    void changePage();
    void setMainPage();
    void getConfigFile();
    void initWidget();
    // The drift-corrected AD of a captured one; *logLine is the point's
    // line for the calibration log, written once the table holds it.
    unsigned short calibrationHandler(int temperature, const QString &ad, QByteArray *logLine);
    static int readLens();
    // The tip for a point whose AD would break the table's rising order.
    static QString refusalText(int temperature, unsigned short ad, const CalibPoint::Neighbour &clash);

    QString m_fileName;
    int m_range = 0;
    int m_lens = NoLens;
    int m_page = BackgroundPage;
    QString m_capturedAD;
    bool m_backgroundTaken = false;
    QTimer *m_timer = nullptr;
    int m_lastSaved = NoneSaved;
    TempSelct *m_tempSelect = nullptr;
    BiaoDing *m_settings = nullptr;
    QLabel *m_tip = nullptr;
    QLabel *m_adCaption = nullptr;
    QLabel *m_adValue = nullptr;
    QPushButton *m_btnBiaoDing = nullptr;
    QPushButton *m_btnPrev = nullptr;
    QPushButton *m_btnNext = nullptr;
    EAreaWidget *m_area = nullptr;
    bool m_settingsOpen = false;
};
