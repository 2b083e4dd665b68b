#pragma once

#include "cardspace.h"
#include "custompaletterecord.h"
#include "egraphicsviewprivate.h"
#include "eimageviewhost.h"
#include "ereadingshost.h"
#include "etipshost.h"
#include "fpgatypes.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

class EAnalysisWidget;
class EAreaWidget;
class EColorRect;
class EGraphicsMaxItem;
class EGraphicsMinItem;
class EGraphicsModeItem;
class EGraphicsTextItem;
class EToolWidget;
class IR_indicator;
class IndicatorImage;
class ZFlickerTime;
class ELineWidget;
class ESpotWidget;
class QGraphicsPixmapItem;
class QGraphicsScene;
class QTimer;

// The live view: a transparent view over the board's infrared picture.
// Its scene holds the readout list at the top left, the temperature unit,
// the tips text, the laser marker and the eight measurement objects (spots
// 1-3, areas 1-3, lines 1-2), which it owns and refreshes every 640 ms.
// It follows the picture mode: which objects are seen and where the spots
// and areas lie on the screen. It keeps the level/span mode with the
// temperature labels beside the colour bar (the image popup's pages reach
// it as their EImageViewHost, the settings writes its tips as ETipsHost).
class EGraphicsView : public EGraphicsViewPrivate, public EReadingsHost, public EImageViewHost, public ETipsHost
{
    Q_OBJECT
public:
    enum { SpotCount = 3, AreaCount = 3, LineCount = 2 };
    enum { RefreshMs = 640 };

    explicit EGraphicsView(QWidget *parent = nullptr);
    ~EGraphicsView() override;

    void init();

    // ---- readout ----
    QString displaySpotTemp();
    QString displayLineTemp();
    QString displayAreaTemp();
    void clearScreen(bool on);
    bool screenStatus() const { return m_cleared; }
    void displayTempUnit();
    void hideTempUnit();
    EGraphicsTextItem *readingsItem() const { return m_readings; }
    EGraphicsTextItem *unitItem() const { return m_unit; }
    QGraphicsPixmapItem *laserItem() const { return m_laser; }
    QTimer *readingsTimer() const { return m_readingsTimer; }
    QGraphicsScene *graphicsScene() const { return m_scene; }
    // The palette model and its colour bar at (299, 56), 16 x 128.
    EColorRect *colorRect() const { return m_colorRect; }

    // ---- tips ----
    void setTipsText(const QString &text) override;
    QString getTipsText() const override;
    // Left to the shutter notice while it is up, applied when it ends.
    void setTipsVisibled(bool visible) override;
    void setTipsVisibled_p(bool visible);
    bool tipsVisibled() const;
    QWidget *tipsView() override { return this; }

    // ---- shutter, freeze, laser ----
    enum { ShutterNoticeMs = 2500 };
    void shutterHandler();
    void freezeFPGAImage(bool on);
    bool gerFreezeFPGAImageStatus() const;
    void laserHandler(bool on);
    QTimer *shutterTimer() const { return m_shutterTimer; }
    bool isCalibrating() const { return m_calibrating; }

    // ---- wrap indicators ----
    // A 1.5 s tip over parent that deletes itself. text is an English
    // source marked QT_TRANSLATE_NOOP("EGraphicsView", ...): the tip shows
    // it in the current language.
    static void showWrapIndicator(QWidget *parent, const char *text);
    static void showImageWrapIndicator(QWidget *parent);
    // At most one of each; a second show while one is up does nothing.
    void showIRWrapIndicator(const char *text);
    void hideIRWrapIndicator();
    IR_indicator *irIndicator() const { return m_irIndicator; }
    // The busy picture holds keys and touches back (wait flag) and hides
    // the capture panel until it stops.
    void showVideoWrapIndicator(QWidget *parent, const char *image);
    void stopVideoWrapIndicator();
    IndicatorImage *videoIndicator() const { return m_videoIndicator; }

    // ---- storage ----
    // Size of the radiometric video side file in whole MiB.
    static int getFileSize() { return CardSpace::sideFileMiB(); }
    // Free MiB on the card less the side file; statfs failing gives
    // minus the side file.
    static qint64 getSDCardInfo() { return CardSpace::freeMiB(); }
    static bool getPhotoSDCardInfo() { return CardSpace::tooFullForPhoto(); }
    static bool getVideoSDCardInfo() { return CardSpace::tooFullForVideo(); }
    void sacnVideoDir();
    QStringList getScanVideoFile() const { return m_videoFiles; }
    int getScanVideoFileSize() const { return int(m_videoFiles.size()); }
    // Newest first: date, then sequence number, both descending; a name
    // without them sorts as 0. Ties go by name regardless of case, then
    // by the name itself.
    static void sortVideoNames(QStringList *names);

    // ---- record time, zoom text, time format ----
    void startflickertime();
    void stopflickertime();
    int getflickertime() const;
    bool getflickertimestate() const;
    ZFlickerTime *flickerTime() const { return m_flickerTime; }
    void enableMultiRz(const QString &text);
    void disableMultiRz();
    EGraphicsTextItem *zoomItem() const { return m_zoomItem; }
    void updatetimeFormat();
    int gettimeFormat() const { return m_timeFormat; }
    EToolWidget *toolBar() const { return m_toolBar; }

    // ---- measurement objects ----
    ESpotWidget *getSpotWidget(int n) const { return m_spots.value(n - 1); }
    EAreaWidget *getAreaWidget(int n) const { return m_areas.value(n - 1); }
    ELineWidget *getLineWidget(int n) const { return m_lines.value(n - 1); }
    void showSpot(int n, bool on);
    void showArea(int n, bool on);
    void showLine(int n, bool on);
    void hideSpot(int n);
    void hideArea(int n);
    void hideLine(int n);
    EAnalysisWidget *currentFocusWidget() const { return currentObject; }
    void clearCurrentFocusWidget();
    // Writes object positions still waiting from a drag; the touch release
    // calls it.
    void flushPendingSettings();

    // ---- picture modes ----
    void setImageMode(Image_Mode_t mode);
    Image_Mode_t getImageMode() const { return m_imageMode; }
    int set_IR_Pipe_CCD_Position(Image_Position_t position);
    int set_CCD_Pipe_IR_Position(Image_Position_t position);
    Image_Position_t get_IR_Pipe_CCD_Position() const { return m_irPipeCcdPosition; }
    Image_Position_t get_CCD_Pipe_IR_Position() const { return m_ccdPipeIrPosition; }

    // ---- level/span and the colour-bar scale ----
    enum { AutoRefreshMs = 100, HandDisplayMs = 3000 };
    Mode_t getLevelSpanMode() const override { return m_levelSpanMode; }
    void setLevelSpanMode(Mode_t mode) override;
    float getMinTemp() const override { return m_minTemp; }
    float getMaxTemp() const override { return m_maxTemp; }
    float getLevelTemp() const { return (m_maxTemp + m_minTemp) / 2; }
    float getSpanTemp() const { return m_maxTemp - m_minTemp; }
    void setMinMaxTempValue(float min, float max) override;
    void setMinTempValue(float min) override;
    void setMaxTempValue(float max) override;
    int updateLevelSpan();
    void changeTempUnit(int unit);
    // Ignored unless min < max: a range without width has no scale.
    void setTempRangeMinMax(int min, int max);
    int tempRangeMin() const override { return m_rangeMin; }
    int tempRangeMax() const override { return m_rangeMax; }
    void setTempRange(int range) { m_tempRange = range; }
    int getTempRange() const { return m_tempRange; }
    // A new palette: the manual preview, the markers and the colour bar
    // follow it; the flag is unused.
    void setColorTable(const _rgb_item *table, bool unused);
    void setHighLightMinMaxTemp(bool on);
    void setBrightTempValue(float value);
    void setSpanTempValue(float value);
    float getBrightTempValue() const;
    float getSpanTempValue() const;
    EGraphicsModeItem *modeItem() const { return m_modeItem; }
    EGraphicsMaxItem *maxItem() const { return m_maxItem; }
    EGraphicsMinItem *minItem() const { return m_minItem; }
    EGraphicsTextItem *manualMaxItem() const { return m_manualMax; }
    EGraphicsTextItem *manualMinItem() const { return m_manualMin; }
    QTimer *autoLevelSpanTimer() const { return m_autoLevelSpanTimer; }
    QTimer *handLevelSpanTimer() const { return m_handLevelSpanTimer; }
    // The table the bar shows while adjusting, or none when the limits
    // give no preview.
    const RgbTable &previewTable() const { return m_preview; }
    // Manual limits at start: finite, min < max and inside the range,
    // else the defaults.
    static void sanitizeManualLimits(float *min, float *max, int rangeMin, int rangeMax);
    // The bar's palette entries for manual limits, false when the limits
    // give no preview (outside the range, no range width, not finite).
    static bool previewTable(const RgbTable &palette, float min, float max, int rangeMin, int rangeMax, RgbTable *out);
    // The two markers' y on the bar (bottom, top).
    static QPair<int, int> markerRows(float min, float max, int rangeMin, int rangeMax);

    void setShutting(bool on) { m_shutting = on; }
    bool isShutting() const { return m_shutting; }
    // Live view shown: cleared while a menu screen covers the view, set
    // again when it closes. Shows or hides nothing itself.
    void setVisibled(bool shown) { m_shown = shown; }
    bool isVisibled() const { return m_shown; }
    // A setup dialog is up: every row handler of the setup pages waits.
    void setSetupVisibled(bool visible) { m_setupVisible = visible; }
    bool isSetupVisibled() const { return m_setupVisible; }
    // A setup page's dialog is up on the registered live view: the pages'
    // rows and the setup list wait for it.
    static bool setupDialogUp();

    // ---- flags shared between screens ----
    void setFreezFlag(bool on) { m_freezeFlag = on; }
    bool getFreezFlag() const { return m_freezeFlag; }
    void setCameraFlag(bool on) { m_cameraFlag = on; }
    bool getCameraFlag() const { return m_cameraFlag; }
    void SetCameraVideoFlag(bool on) { m_cameraVideoFlag = on; }
    bool GetCameraVideoFlag() const { return m_cameraVideoFlag; }
    void setLcdPowerstate(bool off) { m_lcdOff = off; }
    bool getLcdPowerstate() const { return m_lcdOff; }
    void setTouchLcdstate(bool on) { m_touchLcd = on; }
    bool getTouchLcdstate() const { return m_touchLcd; }
    void setImagesequencemode(bool on) { m_imageSequence = on; }
    bool getImagesequencemode() const { return m_imageSequence; }
    void setWaitIrAdmode(bool on) { m_waitIrAd = on; }
    bool getWaitIrAdmode() const { return m_waitIrAd; }
    void setMplayerCnt(int count) { m_mplayerCount = count; }
    int getMplayerCnt() const { return m_mplayerCount; }

    bool eventFilter(QObject *watched, QEvent *event) override;

    // ---- touch editing ----
    // What a press picked up: 0 nothing, 1 spot, 2 area, 3 line, 4 line marker.
    enum DragKind { DragNone, DragSpot, DragArea, DragLine, DragLineMarker };
    // Area corners: 0 bottom-right, 1 bottom-left, 2 top-right, 3 top-left,
    // -1 none (the area moves).
    enum { CornerMove = -1, CornerSize = 15 };
    // The area resize step of a move; the press recorded the area.
    void changeArea(int corner, QMouseEvent *event);
    static int pickCorner(const QRect &area, const QPoint &press);
    // Smallest area side a corner drag leaves: 30 on the full picture,
    // 15 on the half-size pictures.
    int resizeMinimum() const;
    int dragKind() const { return m_dragKind; }
    int dragCorner() const { return m_corner; }
    bool isResizing() const { return m_resizing; }
    bool isPressed() const { return m_pressed; }
    // Set by a press while a modal window was active; the next press on
    // bare picture only clears it.
    bool topWidgetFlag() const { return m_topWidget; }

    // Switched on by the user, whatever the picture mode lets be seen.
    bool spotVisible[SpotCount] = {false, false, false};
    bool areaVisible[AreaCount] = {false, false, false};
    bool lineVisible[LineCount] = {false, false};
    EAnalysisWidget *currentObject = nullptr;

public Q_SLOTS:
    void displayTemp() override;
    void autoLevelSpanHandler();
    void updateMinMaxTemp();
    void slot_handLevelSpanTimer() override;
    void slot_shutterHandler();
    void slot_hideShutterDisplay();
    void saveStatus();
    void restoreStatus();
    void autoLevelHandler();
    void autoSpanHandler();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum Kind { Spot, Area, Line };
    // Press steps; each returns true when the press is fully handled.
    bool pressGuarded() const;
    void closePopupsOutside(const QPoint &at);
    void pressOnBarePicture();
    bool pressOnItems(const QList<QGraphicsItem *> &hits, const QPoint &at);
    void pressOnArea(EAreaWidget *area, const QPoint &at);
    void createObjects(Kind kind);
    void showObject(Kind kind, int n);
    void hideObject(Kind kind, int n);
    EAnalysisWidget *object(Kind kind, int n) const;
    bool *visibleFlag(Kind kind, int n);
    static int countOf(Kind kind);
    static QString groupOf(Kind kind, int n);
    void makeCurrent(EAnalysisWidget *object);
    void setSpotAreaScaling(EAnalysisWidget *object, int scaledType);
    void showLaserIfOn();
    QList<int> readingEntryStarts() const;
    void storeInt(const char *key, int value);

    // Steps that the level/span, colour-bar and status-bar code fill in.
    void displayColorBarTemp();
    void displayToolBar();
    void videospaceslots();
    void setColorBarLabelsVisible(bool visible);
    void setMixVisible(bool visible);
    void readLevelSpanAtStart();
    QString tempText(float celsius) const;
    void placeRight(EGraphicsTextItem *item, const QString &text, int y, int dx = 2);
    void storeManualLimits();
    void InitMultiRz();
    void InitFlickerTime();
    bool laserOn() const;

    QGraphicsScene *m_scene = nullptr;
    EColorRect *m_colorRect = nullptr;
    QMap<int, ESpotWidget *> m_spots;
    QMap<int, EAreaWidget *> m_areas;
    QMap<int, ELineWidget *> m_lines;
    EGraphicsTextItem *m_readings = nullptr;
    EGraphicsTextItem *m_unit = nullptr;
    EGraphicsTextItem *m_tips = nullptr;
    QGraphicsPixmapItem *m_laser = nullptr;
    float m_maxTemp = 150.0f;
    float m_minTemp = -20.0f;
    int m_rangeMin = DefaultRangeMin;
    int m_rangeMax = DefaultRangeMax;
    int m_tempRange = 0;
    float m_brightTemp = 4.0f;
    float m_spanTemp = 4.0f;
    Mode_t m_levelSpanMode = MODE_AUTO;
    QString m_modeText;
    EGraphicsModeItem *m_modeItem = nullptr;
    EGraphicsMaxItem *m_maxItem = nullptr;
    EGraphicsMinItem *m_minItem = nullptr;
    EGraphicsTextItem *m_manualMax = nullptr;
    EGraphicsTextItem *m_manualMin = nullptr;
    RgbTable m_palette{};
    RgbTable m_preview{};
    QTimer *m_readingsTimer = nullptr;
    QTimer *m_autoLevelSpanTimer = nullptr;
    QTimer *m_handLevelSpanTimer = nullptr;
    bool m_cleared = false;
    bool m_shutting = false;
    bool m_tipsVisible = false;
    Image_Mode_t m_imageMode = IR;
    Image_Position_t m_irPipeCcdPosition = POSITION_TOP_LEFT;
    Image_Position_t m_ccdPipeIrPosition = POSITION_TOP_LEFT;
    bool m_shown = true;
    bool m_setupVisible = false;
    EToolWidget *m_toolBar = nullptr;
    ZFlickerTime *m_flickerTime = nullptr;
    IR_indicator *m_irIndicator = nullptr;
    IndicatorImage *m_videoIndicator = nullptr;
    EGraphicsTextItem *m_zoomItem = nullptr;
    QTimer *m_shutterTimer = nullptr;
    bool m_calibrating = false;
    QString m_tipsText;
    bool m_pausedRefresh = false;
    QStringList m_videoFiles;
    int m_timeFormat = 24;
    bool m_freezeFlag = false;
    bool m_cameraFlag = false;
    bool m_cameraVideoFlag = false;
    bool m_lcdOff = false;
    bool m_touchLcd = false;
    bool m_imageSequence = false;
    bool m_waitIrAd = false;
    int m_mplayerCount = 0;

    // Touch drag state: kept from the press to the next press.
    bool m_pressed = false;
    int m_dragKind = DragNone;
    QPoint m_pressPoint;
    QPoint m_grabOffset;
    QRect m_areaAtPress;
    bool m_resizing = false;
    int m_corner = CornerMove;
    bool m_topWidget = false;
};
