#pragma once

#include "sensorsettle.h"

#include <QMainWindow>

#include <memory>

class CLcd_power;
class CvmainWindow;
class EGraphicsView;
class EImageTab;
class EKeyboardFilter;
class EMainInterface;
class FPGA;
class FilenameSystem;
class QTimer;
class SaveImage;
class SDCard;
class ZMultifunctional;

// The one top-level window of ostrel. Builds the system in a fixed order:
// the board front, the live view (central, with its status bar), the main
// menu, the zoom/rotate strip, the LCD power control, the capture panel and
// the save pipe, the card watcher; then arms the sensor check that runs the
// first shutter once the sensor has settled. Everything it builds lives as
// long as the window; the destructor takes it down in reverse order.
class EMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    enum { SensorCheckDelayMs = 1000, SensorPollMs = 1000, OldCorePauseMs = 4000, LcdStartMs = 3000, LongPressMs = 1000 };
    enum { MixPresets = 4 };

    explicit EMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~EMainWindow() override;

    EGraphicsView *view() const { return m_view; }
    FPGA *fpga() const { return m_fpga.get(); }
    EMainInterface *menu() const { return m_menu.get(); }
    // Null until installKeyFilter().
    EKeyboardFilter *keyFilter() const { return m_keys.get(); }
    // Null until the menu's first turn of the event loop.
    EImageTab *imagePopup() const;
    // The main menu's capture window.
    static CvmainWindow *capturePanel();
    SaveImage *saveImage() const { return m_saveImage.get(); }
    ZMultifunctional *multifunctional() const { return m_strip.get(); }
    SDCard *sdCard() const { return m_sdCard.get(); }
    QTimer *longPressTimer() const { return m_longPress; }
    // True once the first shutter after the sensor check has run.
    bool sensorChecked() const { return m_sensorChecked; }

    // Takes the key filter and installs it on the application.
    void installKeyFilter(EKeyboardFilter *filter);
    // Takes the file-name generator (it registers itself in EGlobal).
    void installFilenameSystem(FilenameSystem *names);

    void startLongPressTimer();
    void stopLongPressTimer();

public Q_SLOTS:
    void showIRWrapSlots(QString filename);
    void hideIRWrapSlots();
    void saveFailedSlots();
    void sdcardSlots(bool isSd);
    void slot_longPress();
    void slot_check_sensor();
    void slot_start_arm_lcd();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void pollSensor();
    void finishSensorCheck();
    void buildCapture();

    std::unique_ptr<FPGA> m_fpga;
    EGraphicsView *m_view = nullptr;
    std::unique_ptr<EMainInterface> m_menu;
    std::unique_ptr<ZMultifunctional> m_strip;
    std::unique_ptr<CLcd_power> m_lcd;
    std::unique_ptr<SaveImage> m_saveImage;
    std::unique_ptr<SDCard> m_sdCard;
    std::unique_ptr<EKeyboardFilter> m_keys;
    std::unique_ptr<FilenameSystem> m_names;
    QTimer *m_longPress = nullptr;
    SensorSettle m_settle;
    bool m_sensorChecked = false;
};
