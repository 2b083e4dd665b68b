#include "photosview.h"

#include "annotatebrowser.h"
#include "audiointerface.h"
#include "eglobal.h"
#include "ephotosgraphicsview.h"
#include "etoolwidget.h"
#include "genieitem.h"
#include "intervals.h"
#include "mappedphoto.h"
#include "paths.h"
#include "photobutton.h"
#include "photolayout.h"
#include "photomessagebox.h"
#include "mixer.h"
#include "nativename.h"
#include "thumbcache.h"
#include "voicenotecopy.h"
#include "volumeinterface.h"

#include <QFile>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {

constexpr int VolumeHideMs = 5000;

QPushButton *iconButton(QPushButton *button, const QString &icon, const QRect &geometry, const QSize &iconSize = QSize(40, 40))
{
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0); border: 0px;"));
    button->setGeometry(geometry);
    button->setIcon(QIcon(icon));
    button->setIconSize(iconSize);
    return button;
}

} // namespace

PhotosView::PhotosView()
{
    setWindowFlag(Qt::FramelessWindowHint);
    auto *scene = new QGraphicsScene(this);
    scene->setSceneRect(0, 0, 320, 240);
    scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(scene);
    m_replay = new EPhotosGraphicsView(this);
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setCursor(Qt::BlankCursor);
    viewport()->setCursor(Qt::BlankCursor);
    setBackgroundBrush(Qt::black);

    m_info = new QLabel(this);
    m_info->setGeometry(210, 0, 120, 45);
    m_info->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // The photo's name is never markup.
    m_info->setTextFormat(Qt::PlainText);
    // The style sheet sets the text colour too: with a sheet the palette
    // alone is not used.
    m_info->setStyleSheet(QStringLiteral("background: rgba(0, 0, 127, 70); color: rgba(255, 255, 255, 200); font: 10pt \"wenquanyi\";"));
    QPalette palette = m_info->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, QColor(255, 255, 255, 200));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(255, 255, 255, 200));
    m_info->setPalette(palette);

    m_notice = new QLabel(this);
    m_notice->setGeometry(35, 95, 250, 50);
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setWordWrap(true);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setStyleSheet(QStringLiteral("background: rgba(0, 0, 127, 230); color: white; font: 12pt \"wenquanyi\";"));
    m_notice->hide();

    // The voice note is copied beside the screen, never on it.
    m_voiceCopy = new VoiceNoteCopy(this);
    connect(m_voiceCopy, &VoiceNoteCopy::finished, this, &PhotosView::voiceNoteCopied);

    create_Ui();

    const int w = m_delete->geometry().center().x() + 1 - 25;
    const int h = m_delete->geometry().top();
    m_genie = new GenieItem(QRectF(0, 0, w, h));
    scene->addItem(m_genie);
    m_genie->setPos(0, 0);
    m_genie->hide();

    m_timeLine.setFrameRange(0, 128);
    m_timeLine.setEasingCurve(QEasingCurve::OutCurve);
    m_timeLine.setDuration(300);
    connect(&m_timeLine, &QTimeLine::frameChanged, this, &PhotosView::updateGenieEffect);
    connect(&m_timeLine, &QTimeLine::finished, this, &PhotosView::finishGenie);

    m_volumeTimer = new QTimer(this);
    connect(m_volumeTimer, &QTimer::timeout, this, &PhotosView::hideVolumeUi);
}

PhotosView::~PhotosView()
{
    m_timeLine.stop();
    deleteInterface();
    delete m_question;
    // Its items go while the scene still holds them.
    delete m_replay;
}

void PhotosView::create_Ui()
{
    m_prev = iconButton(new QPushButton(this), QStringLiteral(":/images/vyxImages/left.png"), QRect(0, 100, 40, 40));
    m_next = iconButton(new QPushButton(this), QStringLiteral(":/images/vyxImages/right.png"), QRect(280, 100, 40, 40));
    const auto photoButton = [this](const char *name, const char *icon, const QRect &geometry) {
        auto *b = new PhotoButton(this);
        b->setName(QLatin1String(name));
        iconButton(b, QLatin1String(icon), geometry);
        return b;
    };
    m_zoomIn = photoButton("image_add", ":/images/vyxImages/zoom_in.png", QRect(20, 200, 40, 40));
    m_rotate = photoButton("image_round", ":/images/vyxImages/5.png", QRect(80, 200, 40, 40));
    m_zoomOut = photoButton("image_sub", ":/images/vyxImages/zoom_out.png", QRect(140, 200, 40, 40));
    m_delete = iconButton(new QPushButton(this), QStringLiteral(":/images/vyxImages/del.png"), QRect(200, 200, 40, 40));
    m_bin = iconButton(new QPushButton(this), QStringLiteral(":images/vyxImages/delete.png"), QRect(240, 200, 25, 36), QSize(25, 36));
    m_back = photoButton("image_back", ":/images/vyxImages/back.png", QRect(260, 200, 40, 40));
    m_textNote = photoButton("", ":/images/vyxImages/annotate.png", QRect(108, 0, 40, 40));
    m_voiceNote = photoButton("", ":/images/vyxImages/musicplay.png", QRect(155, 0, 40, 40));
    m_bin->hide();
    m_textNote->hide();
    m_voiceNote->hide();

    connect(m_prev, &QPushButton::released, this, &PhotosView::getPrevPhotos);
    connect(m_next, &QPushButton::released, this, &PhotosView::getNextPhotos);
    for (PhotoButton *b : {m_zoomIn, m_rotate, m_zoomOut, m_back}) {
        connect(b, &PhotoButton::clicked_Button, this, &PhotosView::photoPressSlots);
        connect(b, &PhotoButton::released_Button, this, &PhotosView::photoReleasedSlots);
    }
    connect(m_delete, &QPushButton::clicked, this, &PhotosView::photoDeleteSlots);
    connect(m_textNote, &QPushButton::clicked, this, &PhotosView::imageAnnotateSlots);
    connect(m_voiceNote, &QPushButton::clicked, this, &PhotosView::imageMusicSlots);
}

PhotoButton *PhotosView::button(const char *name) const
{
    for (PhotoButton *b : {m_zoomIn, m_rotate, m_zoomOut, m_back})
        if (b->name() == QLatin1String(name))
            return b;
    return nullptr;
}

// ---- the bar ----

QList<QPushButton *> PhotosView::barButtons() const
{
    return {m_delete, m_prev, m_next, m_zoomIn, m_zoomOut, m_rotate, m_back};
}

void PhotosView::showCreateUi()
{
    for (QPushButton *b : barButtons())
        b->show();
}

void PhotosView::hideCreateUi()
{
    for (QPushButton *b : barButtons())
        b->hide();
}

void PhotosView::enableCreateUi()
{
    for (QPushButton *b : barButtons())
        b->setEnabled(true);
}

void PhotosView::disableCreateUi()
{
    for (QPushButton *b : barButtons())
        b->setEnabled(false);
}

bool PhotosView::barVisible() const
{
    return m_back->isVisible();
}

bool PhotosView::barEnabled() const
{
    return m_back->isEnabled() && m_delete->isEnabled() && m_next->isEnabled();
}

// ---- showing a photo ----

void PhotosView::loadImage(const QFileInfo &file, int index, int count)
{
    hideCreateUi();
    showCreateUi();
    checkAnnotateMusic(file);
    m_loadfilename = file.absoluteFilePath();
    m_photoindex = index;
    m_count = count;
    qWarning("%s %s %d index %d count %d", __FILE__, __func__, __LINE__, index, count);
    loadImage_p();
}

void PhotosView::resetView()
{
    m_requestedZoom = 0;
    photoZoom(0);
    if (m_rotation != 0) {
        rotate(-m_rotation);
        m_rotation = 0;
    }
}

void PhotosView::loadImage_p()
{
    resetView();
    if (!m_delState)
        m_pixmap = QPixmap();
    else
        m_pixmap = QPixmap::fromImage(readPicture(m_loadfilename)).scaled(320, 240, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_genie->setPos(m_bin->x() - m_genie->rect().width() + m_bin->width() / 2, 0);
    updatePhotoInformation(m_loadfilename);
    scene()->invalidate(scene()->sceneRect(), QGraphicsScene::AllLayers);
    viewport()->update();
}

QImage PhotosView::readPicture(const QString &path)
{
    // Through the name's own bytes: a name that is not UTF-8 shows its
    // photo. A JPEG only: anything else shows no picture.
    return MappedPhoto(path).picture();
}

void PhotosView::drawBackground(QPainter *painter, const QRectF &)
{
    painter->fillRect(QRectF(-2000, -2000, 4320, 4240), Qt::black);
    if (!m_pixmap.isNull())
        painter->drawPixmap(sceneRect().topLeft(), m_pixmap);
}

void PhotosView::updatePhotoInformation(const QString &path)
{
    const QFileInfo file(path);
    const QDateTime t = file.exists() ? ThumbCache::fileTime(file) : QDateTime();
    m_info->setText(NativeName::shown(file.fileName()) + QLatin1Char('\n') + t.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char('\n')
                    + t.toString(QStringLiteral("hh:mm:ss")));
}

// ---- notes ----

void PhotosView::checkAnnotateMusic(const QFileInfo &file)
{
    m_textNote->hide();
    m_voiceNote->hide();
    m_notice->hide();
    // A copy still running is for the photo before: it is not wanted now.
    m_voiceCopy->cancel();
    const MappedPhoto photo(file.absoluteFilePath());
    if (!photo.isOpen())
        return;
    // The reader's notes lie inside the file; the last of each kind wins.
    const PhotoReader::Note *text = nullptr;
    const PhotoReader::Note *voice = nullptr;
    for (const PhotoReader::Note &note : photo.photo().notes) {
        if (note.type == PhotoLayout::TextNote)
            text = &note;
        else if (note.type == PhotoLayout::VoiceNote)
            voice = &note;
    }
    if (text) {
        const PhotoReader::Range cut{text->range.offset, qMin<qint64>(text->range.length, MaxTextNote)};
        QByteArray bytes = photo.slice(cut);
        const int nul = bytes.indexOf('\0');
        if (nul >= 0)
            bytes.truncate(nul);
        m_noteText = QString::fromLatin1(bytes);
        m_textNote->show();
    }
    if (!voice)
        return;
    // Longer than any the camera records: not this camera's note, and no
    // reason to fill the memory and the disk with it.
    if (voice->range.length > VoiceNoteCopy::MaxBytes) {
        qWarning("\t voice note of %lld bytes refused", voice->range.length);
        showNotice(tr("The voice note is too long to be played."));
        return;
    }
    // Copied once; the player plays the copy, and its button comes when the
    // copy is whole. A copy that could not be made whole leaves the last
    // note there, which is not this photo's.
    m_voiceCopy->start(file.absoluteFilePath(), voice->range, QLatin1String(VoiceNotePath));
}

void PhotosView::voiceNoteCopied(bool copied)
{
    if (!copied) {
        qWarning("\t open %s File Fail \n", VoiceNotePath);
        return;
    }
    m_voicePath = QLatin1String(VoiceNotePath);
    m_voiceNote->show();
}

void PhotosView::showNotice(const QString &text)
{
    m_notice->setText(text);
    m_notice->show();
    m_notice->raise();
}

bool PhotosView::notePanelVisible() const
{
    return (m_audioInterface && m_audioInterface->isVisible()) || (m_textBrowser && m_textBrowser->isVisible());
}

void PhotosView::imageAnnotateSlots()
{
    hideCreateUi();
    if (m_audioInterface && m_audioInterface->isVisible())
        return;
    if (!m_textBrowser) {
        m_textBrowser = new annotateBrowser(this);
        m_textBrowser->setGeometry(35, 80, 251, 135);
        QPalette palette = m_textBrowser->palette();
        palette.setColor(QPalette::Active, QPalette::Text, Qt::white);
        m_textBrowser->setPalette(palette);
        m_textBrowser->hide();
    }
    if (m_textBrowser->isVisible()) {
        m_textBrowser->hide();
    } else {
        m_textBrowser->setPlainText(m_noteText);
        m_textBrowser->show();
    }
}

void PhotosView::imageMusicSlots()
{
    hideCreateUi();
    if (m_textBrowser && m_textBrowser->isVisible())
        return;
    if (!m_audioInterface) {
        m_audioInterface = new AudioInterface(this);
        connect(m_audioInterface, &AudioInterface::soundplay_signals, this, &PhotosView::SoundShow_Slots);
        m_audioInterface->move((320 - m_audioInterface->width()) / 2, 225 - m_audioInterface->height());
        m_audioInterface->hide();
        m_volumeInterface = new VolumeInterface(this);
        m_volumeInterface->move(230, 25);
        m_volumeInterface->setVolume(qMax(0, get_volume()));
        connect(m_volumeInterface, &VolumeInterface::volumeMoveEvent, this, &PhotosView::sliderMoved_slots);
        connect(m_volumeInterface, &VolumeInterface::volumeReleaseEvent, this, &PhotosView::sliderReleased_slots);
        connect(m_volumeInterface, &VolumeInterface::volumePressEvent, this, &PhotosView::sliderPressed_slots);
        m_volumeInterface->hide();
    }
    if (m_audioInterface->isHidden()) {
        m_audioInterface->setAudioFn(m_voicePath);
        m_audioInterface->show();
    } else {
        m_audioInterface->audioStopPlay();
        m_volumeInterface->hide();
        m_audioInterface->hide();
    }
}

void PhotosView::SoundShow_Slots()
{
    if (!m_volumeInterface)
        return;
    if (m_volumeInterface->isHidden()) {
        m_volumeTimer->start(Intervals::ms(VolumeHideMs));
        m_volumeInterface->show();
    } else {
        m_volumeTimer->stop();
        m_volumeInterface->hide();
    }
}

int PhotosView::set_volume(int value)
{
    return Mixer::setMasterVolume(value);
}

int PhotosView::get_volume()
{
    return Mixer::masterVolume();
}

void PhotosView::sliderMoved_slots(int value)
{
    set_volume(value);
}

void PhotosView::sliderReleased_slots()
{
    m_volumeTimer->start(Intervals::ms(VolumeHideMs));
}

void PhotosView::sliderPressed_slots()
{
    m_volumeTimer->stop();
}

void PhotosView::hideVolumeUi()
{
    if (m_audioInterface && m_volumeInterface)
        m_volumeInterface->hide();
}

void PhotosView::deleteInterface()
{
    if (m_audioInterface) {
        m_audioInterface->audioStopPlay();
        if (!m_audioInterface->close())
            qWarning("\t %s %s %d m_audioInterface close\n", __FILE__, __func__, __LINE__);
        delete m_audioInterface;
        m_audioInterface = nullptr;
        if (m_volumeInterface && !m_volumeInterface->close())
            qWarning("\t %s %s %d m_volumeInterface close\n", __FILE__, __func__, __LINE__);
        delete m_volumeInterface;
        m_volumeInterface = nullptr;
    }
    if (m_textBrowser) {
        if (!m_textBrowser->close())
            qWarning("\t close m_textBrowser fail \n");
        delete m_textBrowser;
        m_textBrowser = nullptr;
    }
    m_volumeTimer->stop();
}

// ---- taps, zoom, rotation ----

void PhotosView::mousePressEvent(QMouseEvent *event)
{
    QGraphicsView::mousePressEvent(event);
}

void PhotosView::mouseMoveEvent(QMouseEvent *event)
{
    QGraphicsView::mouseMoveEvent(event);
}

void PhotosView::mouseReleaseEvent(QMouseEvent *event)
{
    // A tap has read the notice.
    m_notice->hide();
    if (!notePanelVisible()) {
        if (m_back->isVisible())
            hideCreateUi();
        else
            showCreateUi();
    }
    QGraphicsView::mouseReleaseEvent(event);
}

void PhotosView::photoZoom(int level)
{
    if (level > m_appliedZoom) {
        const double f = std::pow(1.01, level - m_appliedZoom);
        scale(f, f);
    } else if (level < m_appliedZoom) {
        const double f = std::pow(1.0 / 1.01, m_appliedZoom - level);
        scale(f, f);
    }
    m_appliedZoom = level;
}

void PhotosView::photoPressSlots(const QString &name)
{
    if (name == QLatin1String("image_add")) {
        m_requestedZoom += 3;
        photoZoom(m_requestedZoom);
    } else if (name == QLatin1String("image_sub")) {
        m_requestedZoom -= 3;
        photoZoom(m_requestedZoom);
    } else if (name == QLatin1String("image_round")) {
        ++PhotoButton::speed_val;
        if (PhotoButton::speed_val > 1 && PhotoButton::speed_val < 10)
            PhotoButton::speed_val = 10;
        const int step = PhotoButton::speed_val % 360;
        rotate(step);
        m_rotation += step;
    }
}

void PhotosView::photoReleasedSlots(const QString &name)
{
    PhotoButton::speed_val = 0;
    if (name == QLatin1String("image_back")) {
        deleteInterface();
        close();
    }
}

void PhotosView::getPrevPhotos()
{
    resetView();
    if (m_photoindex > 0) {
        --m_photoindex;
        emit prevphotosig(m_photoindex);
    }
    viewport()->update();
}

void PhotosView::getNextPhotos()
{
    resetView();
    if (m_photoindex < m_count - 1) {
        ++m_photoindex;
        emit nextphotosig(m_photoindex);
    }
    viewport()->update();
}

void PhotosView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        deleteInterface();
        close();
    }
}

// ---- deletion ----

bool PhotosView::cardPresent()
{
    const EToolWidget *bar = EGlobal::getToolBar();
    return bar && bar->SDCardStatus();
}

void PhotosView::photoDeleteSlots()
{
    qWarning("\t m_loadfilename %s \n", qPrintable(m_loadfilename));
    if (!cardPresent())
        return;
    if (!m_question) {
        m_question = new PhotoMessageBox(nullptr);
        connect(m_question, &PhotoMessageBox::send_oksignals, this, &PhotosView::photoDone_slots);
        connect(m_question, &PhotoMessageBox::send_cancelsignals, this, &PhotosView::photocancel_slots);
        m_question->move(45, 80);
        m_question->show();
    }
    m_bin->show();
    disableCreateUi();
    viewport()->update();
}

void PhotosView::photocancel_slots()
{
    m_bin->hide();
    enableCreateUi();
    if (m_question) {
        m_question->close();
        m_question->deleteLater();
        m_question = nullptr;
    }
}

void PhotosView::photoDone_slots()
{
    if (m_question) {
        m_question->close();
        m_question->deleteLater();
        m_question = nullptr;
    }
    // Without a card nothing can be deleted: as a cancel, the bin goes
    // and the bar works again.
    if (!cardPresent()) {
        m_bin->hide();
        enableCreateUi();
        return;
    }
    if (m_timeLine.state() == QTimeLine::Running)
        return;
    m_bin->setIcon(QIcon(QStringLiteral(":/images/vyxImages/delete2.png")));
    // The bar stays disabled until the animation ends, and the photo of
    // this moment is the one deleted.
    m_deletingIndex = m_photoindex;
    const QPixmap picture(m_loadfilename);
    m_delState = false;
    loadImage_p();
    m_genie->prepare(picture);
    m_genie->show();
    m_timeLine.start();
}

void PhotosView::updateGenieEffect(int frame)
{
    qWarning("effectImage hh=[%d] ww=[%d] \n", m_genie->effectImage().height(), m_genie->effectImage().width());
    m_genie->drawFrame(frame);
}

void PhotosView::finishGenie()
{
    m_bin->setIcon(QIcon(QStringLiteral(":/images/vyxImages/delete.png")));
    m_bin->hide();
    m_delState = true;
    m_genie->hide();
    enableCreateUi();
    const int index = m_deletingIndex;
    m_deletingIndex = -1;
    qWarning("\t ==== File %s Func %s Line %d m_photoindex %d ==== \n", __FILE__, __func__, __LINE__, index);
    emit deletephotosig(index);
}
