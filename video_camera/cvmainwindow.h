#pragma once

#include <QMainWindow>

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

    // ---- interval capture: the automatic snapshot ----
public:
    // While set, the end of a photo save does not show the panel again.
    void setSnapshot(bool on) { m_snapshot = on; }
    bool getSnapshot() const { return m_snapshot; }

private:
    bool m_snapshot = false;
};
