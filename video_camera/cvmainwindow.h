#pragma once

#include "ecapturepanel.h"

#include <QMainWindow>
#include <QMutex>
#include <QPointer>

class CVPushbutton;
class MediaRecorder;
class QFrame;
class QPushButton;
class QTimer;
class UseKeyBoardDialog;
class VideoPipeInterface;

// The capture strip at the bottom of the screen: the photo panel (capture,
// cancel, back, text note, voice note) and the video panel (record, back),
// one shown at a time; a slider knob on each switches to the other when
// dragged to its end. It drives the photo capture and the recording through
// the encoder service and hides itself 5 s after the last use. It registers
// itself as the ECapturePanel the live view and the power-off reach.
class CvmainWindow : public QMainWindow, public ECapturePanel
{
    Q_OBJECT
public:
    // Photo work state: 0 idle, 2 frozen and waiting for save or cancel.
    enum CState { CIdle = 0, CStart = 1, CFrozen = 2 };
    // Recording-stop handshake: 2 while "videostop" is outstanding.
    enum CvModeValue { CvStopping = 2, CvIdle = 3 };
    enum { HideMs = 5000, StopHandshakeMs = 15000, ShortStopMs = 2000 };

    explicit CvmainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~CvmainWindow() override;

    QWidget *panelWindow() override { return this; }
    void camera_work(int state);
    void video_work(int state) override;
    void set_currentwidget(int page);
    int get_currentwidget() const override { return m_page; }
    void start_timer() override;
    QTimer *hideTimer() const { return m_hideTimer; }
    QString get_Videofilename();
    // The slider logic: step 0..4 of the current panel's knob.
    void siderslots_stat(int step);

    int get_activationstat() const override { return m_activation; }
    void set_activationstat(int state) { m_activation = state; }
    void setSCstate(int state) { m_scState = state; }
    int getSCstate() const { return m_scState; }
    int getEndCamera() const { return m_endCamera; }
    void setEndCamera(int state) { m_endCamera = state; }
    void setSnapshot(bool on) { m_snapshot = on; }
    bool getSnapshot() const { return m_snapshot; }
    int get_camera_workstat() const { return m_cState; }
    void set_camera_workstat(int state) { m_cState = state; }
    int get_video_workstat() const override { return m_vState; }
    void set_video_workstat(int state) { m_vState = state; }
    int getCvMode() const { return m_cvMode; }
    void setCvMode(int mode) { m_cvMode = mode; }
    bool Getshortcutmode() const { return m_shortcutMode; }
    // 1 while a photo is taken and saved by the keys; the save sets 0.
    int get_Imagestate() const { return m_imageState; }
    void set_Imagestate(int state) { m_imageState = state; }
    int get_mouseImagestate() const { return m_touchCapture; }
    void set_mouseImagestate(int state) { m_touchCapture = state; }
    void Set_FileName(const QString &name) { m_fileName = name; }
    QString Get_FileName() const { return m_fileName; }
    void SetAutoImage(int on) { m_autoImage = on; }
    int getAutoImage() const { return m_autoImage; }
    // Capture presses that reached camera_func (the key filter's tests).
    int captureRequests() const { return m_captureRequests; }
    // Whether the note buttons take a note now.
    bool textNoteEnabled() const;
    bool voiceNoteEnabled() const;
    VideoPipeInterface *videoPipe() const { return m_videoPipe; }
    QPushButton *button(const char *name) const;
    CVPushbutton *slider(int page) const { return page == VideoPanel ? m_videoSlider : m_photoSlider; }
    UseKeyBoardDialog *textNoteDialog() const;
    MediaRecorder *voiceRecorder() const;
    QTimer *stopHandshakeTimer() const { return m_handshake; }

public Q_SLOTS:
    void camera_func();
    void camera_cancel();
    void camera_back();
    void camera_commet();
    void camera_commetexit(bool done);
    void camera_audio();
    void camera_audioexit(int length);
    void video_start() override;
    void video_back();
    void mouseReleaseClick(const QString &name);
    void timeout_hidewidget();
    void slot_threadVideoExit();
    // The save thread finished a photo under name: the notes go there.
    void photoSaved(const QString &name);
    // The card watcher lost the card: a recording running stops at once.
    void cardRemoved();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPushButton *makeButton(QWidget *parent, const char *name, const QRect &geometry, const char *image);
    void setSkin(QPushButton *button, const char *image);
    void setNotesEnabled(bool on);
    void stopRecording();
    void endStopHandshake();
    void checkRecordingSaved();
    QString notePath() const;

    QFrame *m_camera = nullptr;
    QFrame *m_video = nullptr;
    QPushButton *m_cameraButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_backButton = nullptr;
    QPushButton *m_commentButton = nullptr;
    QPushButton *m_microphoneButton = nullptr;
    QPushButton *m_videoButton = nullptr;
    QPushButton *m_videoBackButton = nullptr;
    CVPushbutton *m_photoSlider = nullptr;
    CVPushbutton *m_videoSlider = nullptr;
    QPointer<UseKeyBoardDialog> m_textDialog;
    QPointer<MediaRecorder> m_recorder;
    VideoPipeInterface *m_videoPipe = nullptr;
    QTimer *m_hideTimer = nullptr;
    QTimer *m_handshake = nullptr;
    QMutex m_captureLock;
    bool m_inCameraWork = false;
    bool m_hidingByTimer = false;
    bool m_shortcutMode = false;
    bool m_snapshot = false;
    int m_cvMode = CvIdle;
    int m_page = NoPanel;
    int m_activation = Hidden;
    int m_scState = 0;
    int m_endCamera = 0;
    int m_cState = CIdle;
    int m_vState = VIdle;
    int m_mouseX = 0;
    int m_mouseY = 0;
    int m_sliderX = 0;
    int m_sliderY = 25;
    int m_imageState = 0;
    int m_touchCapture = 0;
    int m_autoImage = 0;
    int m_captureRequests = 0;
    // The photo the notes belong to; empty until a save has finished.
    QString m_fileName;
    QString m_noteTarget;
    // The recording until the service's "videostop" says it is done.
    QString m_recordingPath;
    bool m_textNoteOpen = false;
};
