#include "cvmainwindow.h"

#include "cvpushbutton.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "encoderlink.h"
#include "etoolwidget.h"
#include "filenamesystem.h"
#include "intervals.h"
#include "mediarecorder.h"
#include "padplacement.h"
#include "paths.h"
#include "photolayout.h"
#include "photowriter.h"
#include "pipecommand.h"
#include "saveimage.h"
#include "sharedmemory.h"
#include "usekeyboarddialog.h"
#include "videopipeinterface.h"
#include "voicenotesegment.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

namespace {
constexpr int SliderXs[5] = {257, 265, 272, 279, 287};
constexpr const char *Tool = "cvtool.jpg";

// Mouse x in window coordinates to a slider step; -1 in the gaps.
int moveStep(int x)
{
    if (x >= 259 && x <= 264)
        return 0;
    if (x >= 266 && x <= 271)
        return 1;
    if (x >= 273 && x <= 278)
        return 2;
    if (x >= 280 && x <= 286)
        return 3;
    if (x >= 288 && x <= 309)
        return 4;
    return -1;
}

EGraphicsView *view() { return EGlobal::getGraphicsView(); }

bool sdCard()
{
    const EToolWidget *bar = EGlobal::getToolBar();
    return bar && bar->SDCardStatus();
}

void freezeMark(bool on)
{
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->freezeImageFlag(on);
}

void freeze(bool on)
{
    if (EGraphicsView *v = view())
        v->freezeFPGAImage(on);
}

void service(const char *command, const char *caller)
{
    PipeCommand::send(PipeCommand::ServicePipe, QByteArray(command), caller);
}

// False, with the user told as for a photo that could not be saved, when
// the note is not on the card (a full or read-only card): the caller keeps
// its button active so that the note can be tried again.
bool appendNote(const QString &path, PhotoLayout::SectionType type, const QByteArray &note, const char *kind)
{
    const PhotoWriter::Result r = PhotoWriter::appendNote(path, type, note);
    if (r == PhotoWriter::Ok)
        return true;
    qWarning("CvmainWindow: %s note not written: %s", kind, PhotoWriter::describe(r));
    EGraphicsView::showWrapIndicator(view(), QT_TRANSLATE_NOOP("EGraphicsView", "Save failed"));
    return false;
}
} // namespace

CvmainWindow::CvmainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags | Qt::FramelessWindowHint)
{
    setWindowModality(Qt::WindowModal);
    setCursor(Qt::BlankCursor);
    setFixedSize(320, 40);
    auto *central = new QWidget(this);
    setCentralWidget(central);

    for (QFrame **frame : {&m_camera, &m_video}) {
        *frame = new QFrame(central);
        (*frame)->setFrameShape(QFrame::StyledPanel);
        (*frame)->setFrameShadow(QFrame::Raised);
        (*frame)->setGeometry(0, 0, 320, 40);
        (*frame)->setStyleSheet(QStringLiteral("QFrame { border-image: url(:/images/cvimages/%1); }").arg(QLatin1String(Tool)));
    }
    m_camera->setObjectName(QStringLiteral("camera"));
    m_video->setObjectName(QStringLiteral("video"));

    m_backButton = makeButton(m_camera, "backbutton", {7, 5, 31, 31}, "back.bmp");
    m_commentButton = makeButton(m_camera, "commentButton", {43, 5, 31, 31}, "camera_comment.bmp");
    m_microphoneButton = makeButton(m_camera, "microphoneButton", {80, 6, 31, 31}, "camera_audio.bmp");
    m_cameraButton = makeButton(m_camera, "camerabutton", {129, 5, 61, 31}, "camera.bmp");
    m_cancelButton = makeButton(m_camera, "cencelbutton", {200, 10, 21, 21}, "camera_cancel.bmp");
    m_videoBackButton = makeButton(m_video, "backbutton_v", {8, 5, 31, 31}, "back.bmp");
    m_videoButton = makeButton(m_video, "videobutton_2", {129, 5, 61, 31}, "kinescope.bmp");

    m_photoSlider = new CVPushbutton(m_camera);
    m_photoSlider->setName(QStringLiteral("cslider"));
    m_photoSlider->setGeometry(257, 25, 20, 12);
    m_videoSlider = new CVPushbutton(m_video);
    m_videoSlider->setName(QStringLiteral("vslider"));
    m_videoSlider->setGeometry(287, 25, 20, 12);
    for (CVPushbutton *knob : {m_photoSlider, m_videoSlider}) {
        knob->setObjectName(knob->name());
        knob->setFocusPolicy(Qt::NoFocus);
        setSkin(knob, "slider2.png");
        connect(knob, &CVPushbutton::mouseRelease, this, &CvmainWindow::mouseReleaseClick);
    }

    connect(m_backButton, &QPushButton::clicked, this, &CvmainWindow::camera_back);
    connect(m_cameraButton, &QPushButton::clicked, this, &CvmainWindow::camera_func);
    connect(m_cancelButton, &QPushButton::clicked, this, &CvmainWindow::camera_cancel);
    connect(m_commentButton, &QPushButton::clicked, this, &CvmainWindow::camera_commet);
    connect(m_microphoneButton, &QPushButton::clicked, this, &CvmainWindow::camera_audio);
    connect(m_videoButton, &QPushButton::clicked, this, &CvmainWindow::video_start);
    connect(m_videoBackButton, &QPushButton::clicked, this, &CvmainWindow::video_back);
    setNotesEnabled(false);
    set_currentwidget(NoPanel);

    m_videoPipe = new VideoPipeInterface(this);
    connect(m_videoPipe, &VideoPipeInterface::videoExitPipeSignals, this, &CvmainWindow::slot_threadVideoExit);
    // The radiometric records beside the video are part of the recording:
    // losing them is told as a recording that was not saved.
    connect(m_videoPipe, &VideoPipeInterface::sideFileNotWritten, this,
            [] { EGraphicsView::showWrapIndicator(view(), QT_TRANSLATE_NOOP("EGraphicsView", "Save failed")); });
    m_videoPipe->start();

    m_hideTimer = new QTimer(this);
    m_hideTimer->setSingleShot(true);
    connect(m_hideTimer, &QTimer::timeout, this, &CvmainWindow::timeout_hidewidget);
    // A service that never says "videostop" must not leave the record key
    // dead and the waiting picture up.
    m_handshake = new QTimer(this);
    m_handshake->setSingleShot(true);
    connect(m_handshake, &QTimer::timeout, this, [this] {
        qWarning("CvmainWindow: no videostop from the encoder service");
        endStopHandshake();
    });
    ECapturePanel::setInstance(this);
}

CvmainWindow::~CvmainWindow()
{
    if (ECapturePanel::instance() == this)
        ECapturePanel::setInstance(nullptr);
    if (m_textDialog)
        delete m_textDialog.data();
    // Its destructor stops and waits for the capture thread.
    if (m_recorder)
        delete m_recorder.data();
}

QPushButton *CvmainWindow::makeButton(QWidget *parent, const char *name, const QRect &geometry, const char *image)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFocusPolicy(Qt::NoFocus);
    setSkin(b, image);
    return b;
}

void CvmainWindow::setSkin(QPushButton *button, const char *image)
{
    button->setStyleSheet(QStringLiteral("border-image: url(:/images/cvimages/%1);").arg(QLatin1String(image)));
}

QPushButton *CvmainWindow::button(const char *name) const
{
    return findChild<QPushButton *>(QLatin1String(name));
}

void CvmainWindow::setNotesEnabled(bool on)
{
    m_commentButton->setEnabled(on);
    m_microphoneButton->setEnabled(on);
    setSkin(m_commentButton, on ? "_camera_comment.bmp" : "camera_comment.bmp");
    setSkin(m_microphoneButton, on ? "_camera_audio.bmp" : "camera_audio.bmp");
    if (!on)
        m_noteTarget.clear();
}

UseKeyBoardDialog *CvmainWindow::textNoteDialog() const { return m_textDialog.data(); }
MediaRecorder *CvmainWindow::voiceRecorder() const { return m_recorder.data(); }
bool CvmainWindow::textNoteEnabled() const { return m_commentButton->isEnabled(); }
bool CvmainWindow::voiceNoteEnabled() const { return m_microphoneButton->isEnabled(); }

// ---- photo ----

void CvmainWindow::camera_work(int state)
{
    // showEvent may come while a step below shows or hides a window.
    if (m_inCameraWork)
        return;
    QMutexLocker lock(&m_captureLock);
    m_inCameraWork = true;
    EGraphicsView *v = view();
    if (state == CStart) {
        if (m_endCamera == 0) {
            m_endCamera = 1;
            freezeMark(true);
            service(EncoderLink::JpegStart, "camera_work");
            freeze(true);
            m_cState = CFrozen;
            setNotesEnabled(false);
            setSkin(m_cameraButton, "_camera.bmp");
            setSkin(m_cancelButton, "_camera_cancel.bmp");
            m_touchCapture = 1;
        }
    } else if (state == CFrozen) {
        if (m_endCamera == 1) {
            if (v) {
                v->setFreezFlag(false);
                v->setCameraFlag(false);
            }
            m_touchCapture = 2;
            setSkin(m_cancelButton, "camera_cancel.bmp");
            setSkin(m_cameraButton, "camera.bmp");
            const bool card = sdCard();
            if (!card || EGraphicsView::getPhotoSDCardInfo()) {
                m_cState = CIdle;
                freezeMark(false);
                freeze(false);
                service(EncoderLink::JpegStop, "camera_work");
                if (!card)
                    EGraphicsView::showImageWrapIndicator(v);
                else
                    EGraphicsView::showWrapIndicator(v, QT_TRANSLATE_NOOP("EGraphicsView", "Lack of space"));
                m_touchCapture = 0;
                m_endCamera = 0;
            } else {
                m_endCamera = 2;
                if (CvmainWindow *panel = EGlobal::get_cvmainwindow())
                    panel->setSnapshot(false);
                // The notes wait for the finished photo (photoSaved).
                setNotesEnabled(false);
                PipeCommand::send(PipeCommand::SavePipe, QByteArray(EncoderLink::SaveRequest), "camera_work");
                m_cState = CIdle;
            }
        }
    } else if (state == CIdle) {
        if (m_endCamera != 2) {
            freezeMark(false);
            freeze(false);
            service(EncoderLink::JpegStop, "camera_work");
            m_cState = CIdle;
            setSkin(m_cameraButton, "camera.bmp");
            setSkin(m_cancelButton, "camera_cancel.bmp");
            m_touchCapture = 0;
            m_endCamera = 0;
        }
    }
    m_inCameraWork = false;
}

void CvmainWindow::camera_func()
{
    ++m_captureRequests;
    EGraphicsView *v = view();
    if (v && v->getImagesequencemode()) {
        EGraphicsView::showWrapIndicator(v, QT_TRANSLATE_NOOP("EGraphicsView", "Automatic Camera"));
        return;
    }
    if (m_cState == CIdle && m_touchCapture == 0)
        camera_work(CStart);
    else if (m_cState == CFrozen && m_touchCapture == 1)
        camera_work(CFrozen);
}

void CvmainWindow::camera_cancel()
{
    if (m_cState == CFrozen)
        camera_work(CIdle);
}

void CvmainWindow::camera_back()
{
    setSkin(m_cameraButton, "camera.bmp");
    setSkin(m_cancelButton, "camera_cancel.bmp");
    setNotesEnabled(false);
    m_cState = CIdle;
    m_touchCapture = 0;
    m_activation = Hidden;
    // A pending save keeps its state: the save thread ends it.
    if (m_endCamera != 2)
        m_endCamera = 0;
    set_currentwidget(NoPanel);
    if (EGraphicsView *v = view())
        v->setVisibled(true);
    hide();
}

void CvmainWindow::photoSaved(const QString &name)
{
    m_fileName = name;
    // Only a capture of this panel that the user has not left takes notes.
    if (m_page != PhotoPanel || m_snapshot)
        return;
    // The main window hid the panel so that the photo shows the picture
    // without it; it comes back for the notes.
    if (!isVisible())
        show();
    setNotesEnabled(true);
    m_noteTarget = name;
}

QString CvmainWindow::notePath() const
{
    return m_noteTarget.isEmpty() ? QString() : SaveImage::photoPath(m_noteTarget);
}

// ---- notes ----

void CvmainWindow::camera_commet()
{
    if (m_textDialog || !textNoteEnabled())
        return;
    m_textDialog = new UseKeyBoardDialog(nullptr);
    connect(m_textDialog.data(), &UseKeyBoardDialog::Keyboard_exit, this, &CvmainWindow::camera_commetexit);
    PadPlacement::show(m_textDialog);
    m_scState = 1;
}

void CvmainWindow::camera_commetexit(bool done)
{
    if (!m_textDialog)
        return;
    bool failed = false;
    if (done) {
        const QString text = m_textDialog->textEdit ? m_textDialog->textEdit->toPlainText() : QString();
        std::printf("CvmainWindow::camera_commetexit [%d] [%s] \n", int(done), qPrintable(text));
        const QString path = notePath();
        if (!text.isEmpty() && !path.isEmpty()) {
            failed = !appendNote(path, PhotoLayout::TextNote, text.toLatin1(), "text");
        }
    }
    UseKeyBoardDialog *dialog = m_textDialog.data();
    m_textDialog = nullptr;
    dialog->close();
    dialog->deleteLater();
    m_scState = 0;
    if (failed)
        return;
    m_commentButton->setEnabled(false);
    setSkin(m_commentButton, "camera_comment.bmp");
}

void CvmainWindow::camera_audio()
{
    if (m_recorder || !voiceNoteEnabled())
        return;
    m_recorder = new MediaRecorder(nullptr);
    connect(m_recorder.data(), &MediaRecorder::audiorecoderexit, this, &CvmainWindow::camera_audioexit);
    m_recorder->move(0, 0);
    m_recorder->show();
    m_scState = 1;
}

void CvmainWindow::camera_audioexit(int length)
{
    bool failed = false;
    if (m_recorder) {
        SharedMemory segment;
        if (VoiceNoteSegment::open(&segment)) {
            std::printf("CvmainWindow::camera_audioexit segment %d length %d\n", segment.id(), length);
            const QString path = notePath();
            // More than the header, and never past the segment's end.
            if (length > 45 && static_cast<size_t>(length) <= segment.size() && !path.isEmpty()) {
                const QByteArray note(static_cast<const char *>(segment.data()), length);
                failed = !appendNote(path, PhotoLayout::VoiceNote, note, "voice");
            }
        } else {
            qWarning("CvmainWindow: no voice-note segment");
        }
        // The recorder reported as its last act; it goes once control is
        // back in the event loop.
        MediaRecorder *recorder = m_recorder.data();
        m_recorder = nullptr;
        recorder->close();
        recorder->deleteLater();
    }
    m_scState = 0;
    if (failed)
        return;
    m_microphoneButton->setEnabled(false);
    setSkin(m_microphoneButton, "camera_audio.bmp");
}

// ---- video ----

void CvmainWindow::video_start()
{
    EGraphicsView *v = view();
    if (v && v->getImagesequencemode()) {
        EGraphicsView::showWrapIndicator(v, QT_TRANSLATE_NOOP("EGraphicsView", "Automatic Camera"));
        return;
    }
    if (m_cvMode == CvStopping)
        return;
    video_work(m_vState == VIdle ? VRecording : VIdle);
}

void CvmainWindow::video_work(int state)
{
    // A photo being finished, from the panel or the keys, holds both back.
    if (m_endCamera != 0 || m_imageState != 0)
        return;
    EGraphicsView *v = view();
    if (state == VRecording) {
        if (!sdCard() || EGraphicsView::getVideoSDCardInfo()) {
            m_vState = VIdle;
            m_hideTimer->stop();
            if (!sdCard())
                EGraphicsView::showImageWrapIndicator(v);
            else
                EGraphicsView::showWrapIndicator(v, QT_TRANSLATE_NOOP("EGraphicsView", "Lack of space"));
            return;
        }
        const QString path = get_Videofilename();
        if (path.isEmpty()) {
            qWarning("video_work: no free video name today, nothing recorded");
            m_vState = VIdle;
            m_hideTimer->stop();
            return;
        }
        if (v)
            v->SetCameraVideoFlag(true);
        service(EncoderLink::ResumeStart, "video_work");
        setSkin(m_videoButton, "_kinescope.bmp");
        if (v)
            v->startflickertime();
        m_recordingPath = path;
        QByteArray command = QByteArray(EncoderLink::MultimediaStartPrefix) + path.toLatin1();
        PipeCommand::send(PipeCommand::ServicePipe, command.left(1023), "video_work");
        m_vState = VRecording;
        if (!m_hideTimer->isActive())
            start_timer();
        return;
    }
    if (state != VIdle)
        return;
    m_cvMode = CvStopping;
    if (v)
        v->showVideoWrapIndicator(v, "videooff");
    setSkin(m_videoButton, "kinescope.bmp");
    m_hideTimer->stop();
    m_handshake->start(Intervals::ms(StopHandshakeMs));
    // A recording the encoder has not confirmed a second of needs a moment
    // before the stop; wait for it without holding the interface.
    if (v && sdCard() && v->getflickertime() < 1) {
        std::printf("==== err file %s Line %d \n", __FILE__, __LINE__);
        QTimer::singleShot(Intervals::ms(ShortStopMs), this, &CvmainWindow::stopRecording);
        return;
    }
    stopRecording();
}

// Always tells the service to stop, card or not, so its state and ours
// agree.
void CvmainWindow::stopRecording()
{
    if (EGraphicsView *v = view())
        v->stopflickertime();
    service(EncoderLink::MultimediaStop, "video_work");
    m_vState = VIdle;
    service(EncoderLink::ResumeStop, "video_work");
    if (EGraphicsView *v = view())
        v->SetCameraVideoFlag(false);
}

void CvmainWindow::video_back()
{
    if (m_vState != VRecording) {
        set_currentwidget(NoPanel);
        m_activation = Hidden;
        if (EGraphicsView *v = view())
            v->setVisibled(true);
    } else {
        video_start();
    }
    m_hideTimer->stop();
    hide();
}

// The encoder can write nothing more of a recording whose card went: it
// stops now and the user is told now, as for a card that filled up, not
// when Stop is pressed. The stop's own check would tell it a second time.
void CvmainWindow::cardRemoved()
{
    if (m_vState != VRecording)
        return;
    qWarning("CvmainWindow: the card went while recording %s", qPrintable(m_recordingPath));
    m_recordingPath.clear();
    EGraphicsView::showImageWrapIndicator(view());
    video_work(VIdle);
}

// "videostop": the encoder service is done with the recording.
void CvmainWindow::slot_threadVideoExit()
{
    endStopHandshake();
    if (m_vState == VIdle)
        checkRecordingSaved();
}

void CvmainWindow::endStopHandshake()
{
    m_handshake->stop();
    if (EGraphicsView *v = view())
        v->stopVideoWrapIndicator();
    m_cvMode = CvIdle;
}

// A recording the service could not write (the card filled, or went) is
// not on the card: the stop must not look like a saved one. The user is
// told as for a photo that could not be saved.
void CvmainWindow::checkRecordingSaved()
{
    const QString path = m_recordingPath;
    m_recordingPath.clear();
    if (path.isEmpty())
        return;
    const QFileInfo recording(Paths::resolve(path));
    if (recording.isFile() && recording.size() > 0)
        return;
    qWarning("CvmainWindow: the recording %s was not saved", qPrintable(path));
    EGraphicsView *v = view();
    if (!sdCard())
        EGraphicsView::showImageWrapIndicator(v);
    else
        EGraphicsView::showWrapIndicator(v, QT_TRANSLATE_NOOP("EGraphicsView", "Save failed"));
}

QString CvmainWindow::get_Videofilename()
{
    const QString folder = QLatin1String(FilenameSystem::VideoFolder);
    FilenameSystem *names = EGlobal::get_FilenameSystem();
    if (!names) {
        QDir().mkpath(Paths::resolve(folder));
        return folder + QStringLiteral("video.mp4");
    }
    // It makes the folder itself.
    // The first free number of the day, as photos take theirs: a search
    // that stopped at 9999 handed out a taken name, and the recording
    // replaced that video. Empty when the day has no free number.
    const QString name = names->takeFreeName(FilenameSystem::Video);
    if (name.isEmpty())
        return {};
    std::printf("\t FILE %s func %s Line %d videofilename %s \n", __FILE__, __func__, __LINE__, qPrintable(name));
    return folder + name;
}

// ---- panels and sliders ----

void CvmainWindow::set_currentwidget(int page)
{
    m_page = page;
    if (page == PhotoPanel) {
        if (m_vState == VRecording)
            video_start();
        m_vState = VIdle;
        m_activation = Shown;
        m_camera->show();
        m_video->hide();
    } else if (page == VideoPanel) {
        m_hideTimer->stop();
        if (m_cState == CFrozen)
            camera_work(CIdle);
        m_cState = CIdle;
        // Notes belong to the photo panel.
        setNotesEnabled(false);
        m_activation = Shown;
        m_camera->hide();
        m_video->show();
    } else {
        m_activation = Hidden;
    }
}

void CvmainWindow::siderslots_stat(int step)
{
    if (step < 0 || step > 4)
        return;
    if (m_page == PhotoPanel) {
        m_photoSlider->move(SliderXs[step], 25);
        m_sliderX = SliderXs[step];
        if (step == 4) {
            set_currentwidget(VideoPanel);
            m_photoSlider->move(SliderXs[0], 25);
            m_sliderX = 275;
        }
    } else if (m_page == VideoPanel) {
        m_videoSlider->move(SliderXs[step], 25);
        m_sliderX = SliderXs[step];
        if (step == 0) {
            m_videoSlider->move(SliderXs[4], 25);
            m_sliderX = SliderXs[4];
            set_currentwidget(PhotoPanel);
        }
    }
}

void CvmainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_shortcutMode)
        return;
    const QPoint at = event->position().toPoint();
    m_mouseX = at.x();
    m_mouseY = at.y();
    const int step = moveStep(m_mouseX);
    if (step >= 0)
        siderslots_stat(step);
}

void CvmainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_shortcutMode)
        return;
    const int x = event->position().toPoint().x();
    if (x >= 250 && x <= 271)
        siderslots_stat(0);
    else if (x > 271)
        siderslots_stat(4);
    else if (m_sliderX <= 271)
        siderslots_stat(0);
}

void CvmainWindow::mouseReleaseClick(const QString &name)
{
    std::printf("get_currentwidget:%d \n", m_page);
    if (m_shortcutMode)
        return;
    if (name == QLatin1String("cslider") || name == QLatin1String("vslider"))
        siderslots_stat(m_mouseX < 277 ? 0 : 4);
}

// ---- visibility and keys ----

void CvmainWindow::start_timer()
{
    m_hideTimer->stop();
    m_hideTimer->start(Intervals::ms(HideMs));
}

void CvmainWindow::timeout_hidewidget()
{
    m_hideTimer->stop();
    m_hidingByTimer = true;
    hide();
    m_hidingByTimer = false;
    m_activation = HiddenByTimer;
}

void CvmainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return;
    std::printf("CvmainWindow::keyPressEvent Escape\n");
    if (EGraphicsView *v = view())
        v->setFreezFlag(false);
    m_shortcutMode = false;
    m_photoSlider->setEnabled(true);
    m_videoSlider->setEnabled(true);
    if (m_page == PhotoPanel) {
        // A pending save finishes on its own: only a frozen, unsaved
        // picture is released here.
        camera_work(CIdle);
        camera_back();
    } else if (m_page == VideoPanel) {
        video_back();
    }
    setNotesEnabled(false);
}

void CvmainWindow::showEvent(QShowEvent *event)
{
    if (m_page == PhotoPanel || m_page == VideoPanel)
        m_activation = Shown;
    QMainWindow::showEvent(event);
    const EToolWidget *bar = EGlobal::getToolBar();
    // A picture frozen elsewhere becomes this panel's capture, unless the
    // keys or the interval timer are saving it themselves.
    if (bar && bar->getFreezeImageFlag() && m_endCamera == 0 && !m_snapshot && m_imageState == 0)
        camera_work(CStart);
}

void CvmainWindow::hideEvent(QHideEvent *event)
{
    // Hidden by its own timer it comes back at the next touch; hidden
    // any other way it no longer holds the picture's touches.
    m_activation = m_hidingByTimer ? HiddenByTimer : Hidden;
    QMainWindow::hideEvent(event);
}
