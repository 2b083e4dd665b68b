#pragma once

#include <QMainWindow>

class QTimer;

// The capture panel. Thin for now: only the recording state with the
// record key and its stop, and the photo-busy state that holds the stop
// back, which the power-off sequence and the live view need. The capture
// screens fill in the rest.
class CvmainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Video work state: 2 idle, 1 recording.
    enum VState { VRecording = 1, VIdle = 2 };

    explicit CvmainWindow(QWidget *parent = nullptr);

    // 2 stops a running recording; returns at once, changing nothing, while
    // a photo is still being finished.
    void video_work(int state);
    // The record key: starts a recording when idle, stops a running one.
    void video_start();

    int get_video_workstat() const { return m_videoState; }
    void set_video_workstat(int state) { m_videoState = state; }
    // 1 while a photo is taken and saved; the saving thread sets 0.
    int get_Imagestate() const { return m_imageState; }
    void set_Imagestate(int state) { m_imageState = state; }

private:
    void setRecording(bool on);

    int m_videoState = VIdle;
    int m_imageState = 0;

    // ---- what the main menu and the key filter use ----
public:
    enum { HideMs = 5000 };
    // Activation: 0 hidden, 1 shown, 2 hidden by its own hide timer.
    enum { Hidden = 0, Shown = 1, HiddenByTimer = 2 };

    // The capture key: counted only until the capture screens exist.
    void camera_func() { ++m_captureRequests; }
    int captureRequests() const { return m_captureRequests; }
    // 0 photo panel, 1 video panel.
    void set_currentwidget(int page) { m_page = page; }
    int get_currentwidget() const { return m_page; }
    void SetAutoImage(int on) { m_autoImage = on; }
    int getAutoImage() const { return m_autoImage; }
    // Non-zero while a sub-dialog (voice note, comment) is open.
    void setSCstate(int state) { m_scState = state; }
    int getSCstate() const { return m_scState; }
    int get_activationstat() const { return m_activation; }
    // Restarts the 5 s hide timer.
    void start_timer();
    QTimer *hideTimer() const { return m_hideTimer; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QTimer *m_hideTimer = nullptr;
    int m_captureRequests = 0;
    int m_page = 0;
    int m_autoImage = 0;
    int m_scState = 0;
    int m_activation = Hidden;
    bool m_hidingByTimer = false;

    // ---- interval capture: the automatic snapshot ----
public:
    // While set, the end of a photo save does not show the panel again.
    void setSnapshot(bool on) { m_snapshot = on; }
    bool getSnapshot() const { return m_snapshot; }

private:
    bool m_snapshot = false;
};
