#pragma once

#include "caliblog.h"
#include "correctionbins.h"

#include <QGraphicsView>
#include <QPointer>

struct IrTempStru;
class CalibInterface;
class EAreaWidget;
class EGraphicsTextItem;
class EIntTimeItem;
class EModifyProfile;
class EShowModifyDialog;
class EUpdateEPCSInterface;
class MainBiaoDing;
class MyKeyboard;
class ProductInfoWidget;
class QLabel;
class QPushButton;
class QTimer;
class SetMainWindow;

// The calibration-mode base of the live view: the interface mode, entry
// behind an access code, the calibration menu and its pages, the small
// calibration area in the middle of the picture with its raw readout, the
// correction and delta runs that write the correction tables, the fusion
// alignment panel and the integration time. Every page opens and closes
// through calibInferfaceHandle(); closing a page deletes it. The menu and
// the pages that are screens of their own are built through ECalibPages.
class EGraphicsViewPrivate : public QGraphicsView
{
    Q_OBJECT
public:
    // 0 the normal live view, 1 the calibration menu or one of its pages.
    typedef int InterfaceMode_t;
    enum { NormalInterface = 0, CalibrationInterface = 1 };

    enum EM_CALIB_TYPE {
        EM_CALIB_MENU = 0,
        EM_CALIB_BIAODING = 1,
        EM_CALIB_MODIFY = 2,
        EM_CALIB_IRCORE = 3,
        EM_CALIB_PRODUCT = 4,
        EM_CALIB_MIX = 5,
        EM_CALIB_SET = 6
    };

    // Nominal periods (through Intervals).
    enum { ReadoutMs = 1000, ModifyMs = 17000, ModifySettleMs = 3000, DeltaMs = 1000, DeltaSettleMs = 4000 };
    // Every 30th delta tick takes a new reference.
    enum { DeltaReferenceEvery = 30 };
    // The board takes the offsets as one signed byte.
    enum { MixOffsetMin = -128, MixOffsetMax = 127, MixZoomMin = 0, MixZoomMax = 512, MixZoomDefault = 232 };
    // The core takes the integration time as 16 bits.
    enum { IntTimeMin = 1, IntTimeMax = 65535 };
    enum { NoLens = 255 };
    enum MixStepper { MixIndexStepper, MixZoomStepper, MixHorStepper, MixVerStepper, MixStepperCount };
    // A stepper's name stands in this height above it.
    enum { MixLabelHeight = 20 };
    // The calibration readout stands above the objects' markers (2 to 4).
    enum { ReadoutZ = 5 };
    enum { PanelWidth = 320, PanelHeight = 240 };

    explicit EGraphicsViewPrivate(QWidget *parent = nullptr);
    ~EGraphicsViewPrivate() override;

    InterfaceMode_t getInterfaceMode() const { return m_interfaceMode; }
    void setInterfaceMode(InterfaceMode_t mode) { m_interfaceMode = mode; }
    EM_CALIB_TYPE currentCalibType() const { return m_calibType; }

    // The C key: enters (true asks for the access code), steps back from a
    // page to the menu, or leaves from the menu.
    virtual void enterCalibInterface(bool askCode);
    void calibInferfaceHandle(EM_CALIB_TYPE type, bool show);
    // Closes a page from one of its own handlers: closing deletes it, so
    // the close waits until the handler has returned.
    void closeCalibLater(EM_CALIB_TYPE type);
    void showBiaoDingWidget();
    void closeBiaoDingWidget();
    void showProductInfoWidget();
    void closeProductInfoWidget();
    void showSetWidget();
    void closeSetWidget();
    void showModifyItem();
    void showMixItem();
    void closeMixItem();
    void closeAllItem();
    // The E key: the configuration-flash update dialog, full screen, built
    // once.
    virtual void updateEPCS();
    EUpdateEPCSInterface *flashDialog() const;

    // Where the live view's readings list has to end: the panel's bottom
    // edge, or the top of what an open page keeps along the bottom (the
    // correction readout, the fusion steppers and their labels).
    int readingsBottom() const;

    // The four readout lines of the calibration area's average reading.
    static QString readoutText(const IrTempStru &average, float sensor, float shutter, float factor);

    // ---- what the screens and tests look at ----
    MyKeyboard *accessKeyboard() const { return m_keyboard; }
    CalibInterface *calibMenu() const;
    EAreaWidget *calibArea() const { return m_calibArea; }
    MainBiaoDing *biaoDingWidget() const;
    ProductInfoWidget *productInfoWidget() const;
    SetMainWindow *setWidget() const;
    EShowModifyDialog *modifyViewer() const { return m_modifyViewer; }
    EModifyProfile *modifyProfile() const { return m_profile; }
    EGraphicsTextItem *readoutItem() const { return m_readout; }
    QPushButton *startDeltaButton() const { return m_btnDelta; }
    QPushButton *startModifyButton() const { return m_btnModify; }
    QPushButton *modifyTableButton() const { return m_btnShowModify; }
    QPushButton *modifyBackButton() const { return m_btnBack; }
    QPushButton *mixCloseButton() const { return m_btnMixClose; }
    QLabel *averageLabel() const { return m_lblAverg; }
    QLabel *modifyNoteLabel() const { return m_lblNote; }
    EIntTimeItem *mixStepper(MixStepper which) const { return m_mix[which]; }
    QLabel *mixLabel(MixStepper which) const { return m_mixLabel[which]; }
    QTimer *readoutTimer() const { return m_readoutTimer; }
    QTimer *deltaTimer() const { return m_deltaTimer; }
    QTimer *modifyTimer() const { return m_modifyTimer; }
    QTimer *shutterTempTimer() const { return m_shutterTempTimer; }
    const CorrectionBins &modifyBins() const { return m_modifyBins; }
    int modifySampleCount() const { return m_modifyCount; }
    int deltaTickCount() const { return m_deltaCount; }

public Q_SLOTS:
    void updateShutterTemp();
    void changeIntTime(int t);
    void slot_changeIntTime(int t);
    void calcModifyHandler();
    void slot_calcBeishu();
    void calcDeltaHandler();
    void slot_startDeltaTimer();
    void slot_clicked_adjustMix();
    void slot_changeMixIndex(int index);
    void slot_changeMixZoom(int zoom);
    void slot_changeMixHor(int dx);
    void slot_changeMixVer(int dy);
    void slot_clicked_modify();
    void slot_clicked_startCalcModify();
    void slot_clicked_startCalcDelta();
    void slot_clicked_profile();
    void closeModifyItem();
    void slot_clicked_hideModify();
    void slot_enterCalib(const QString &code);
    void calibrationHandler();

private:
    // The library reloads the table on every shutter update; a table it
    // newly finds unusable is told on the live view's tip, once.
    void reloadTable();
    QPushButton *makePanelButton(const QString &text, int x, int y);
    QLabel *makePanelLabel(const QString &text, int x, int y);
    EIntTimeItem *makeMixStepper(int min, int max, int value, const QRect &geometry);
    void refreshReadings();
    bool modifyRunOn() const;
    bool deltaRunOn() const;
    void stopModifyRun();
    void stopDeltaRun();
    void hideMainMenu();
    void showMenu();
    void setMixOffset(bool horizontal, int value);
    static int currentRange();

    InterfaceMode_t m_interfaceMode = NormalInterface;
    // The library's count of unusable tables already told (or found before
    // the view, whose start-up check tells it).
    unsigned m_toldTableFaults = 0;
    EM_CALIB_TYPE m_calibType = EM_CALIB_MENU;
    QWidget *m_productInfo = nullptr;
    QWidget *m_setWindow = nullptr;
    MyKeyboard *m_keyboard = nullptr;

    // Correction run.
    CorrectionBins m_modifyBins;
    int m_modifyCount = 0;
    double m_sensorBeiSum = 0;
    double m_shutterBeiSum = 0;
    CalibLog m_shutterLog;
    // Delta run.
    CorrectionBins m_deltaBins;
    int m_deltaCount = 0;
    CalibLog m_deltaLog;
    struct DeltaReference
    {
        float shutter = 0;
        float sensor = 0;
        float mean = 0;
        int sensorDeltaAD = 0;
        int adSum = 0;
        float temp = 0;
    } m_deltaRef;

    // Correction panel.
    QPushButton *m_btnDelta = nullptr;
    QPushButton *m_btnModify = nullptr;
    QPushButton *m_btnProfile = nullptr;
    QPushButton *m_btnRange = nullptr;
    QPushButton *m_btnShowModify = nullptr;
    QPushButton *m_btnBack = nullptr;
    QLabel *m_lblCount = nullptr;
    QLabel *m_lblSensor = nullptr;
    QLabel *m_lblShutter = nullptr;
    QLabel *m_lblAverg = nullptr;
    QLabel *m_lblNote = nullptr;
    // Fusion panel.
    QPushButton *m_btnMixClose = nullptr;
    EIntTimeItem *m_mix[MixStepperCount] = {};
    QLabel *m_mixLabel[MixStepperCount] = {};

    EGraphicsTextItem *m_readout = nullptr;
    QTimer *m_readoutTimer = nullptr;
    EAreaWidget *m_calibArea = nullptr;
    QWidget *m_biaoDing = nullptr;
    QTimer *m_deltaTimer = nullptr;
    QTimer *m_modifyTimer = nullptr;
    QTimer *m_shutterTempTimer = nullptr;
    QWidget *m_calibMenu = nullptr;
    EModifyProfile *m_profile = nullptr;
    EShowModifyDialog *m_modifyViewer = nullptr;
    QPointer<EUpdateEPCSInterface> m_flashDialog;
    // The overlay was already cleared when the flash dialog came up.
    bool m_clearedBeforeFlash = false;
};
