#pragma once

#include "encoderlink.h"

#include <QBitArray>
#include <QMutex>
#include <QString>

class QKeyEvent;

// Names every photo and video: date of the day it last took the date,
// "_", a running number of at least four digits and a letter. Photos and
// videos count apart. The save thread and the GUI thread both ask it, so
// every counter and the date sit under one mutex, and a free name is
// chosen and the counter advanced in one locked step.
class FilenameSystem
{
public:
    enum Kind { Thermogram, Ccd, Mix, Video, KindCount };
    // Past this a day has no free number left.
    enum { MaxNumber = 99999 };

    static constexpr const char *ImageFolder = EncoderLink::PhotoFolder;
    static constexpr const char *VideoFolder = EncoderLink::VideoFolder;

    // Registers itself in EGlobal and takes the date.
    FilenameSystem();
    ~FilenameSystem();
    FilenameSystem(const FilenameSystem &) = delete;
    FilenameSystem &operator=(const FilenameSystem &) = delete;

    // Takes today's date and rescans the card for the highest numbers.
    void updateSysFnParam();
    void find_Max_multimediaId(int year, int month, int day);
    int updateCount() const;

    int GetPhotoId() const;
    int GetVideoId() const;
    void SetPhotoId(int id);
    void SetVideoId(int id);

    QString GetThermogram_ImageFn() const;
    QString GetCcd_ImageFn() const;
    QString GetMix_ImageFn() const;
    QString GetMp3_AudioFn() const;
    QString GetThermogram_VideoFn();
    QString GetVis_VideoFn();
    void SetCurrentVideoFilename(const QString &name);
    QString GetCurrentVideoFilename() const;
    void eventkeyPressEvent(QKeyEvent *event);

    // The photo kind of a picture mode: 0 T, 1 P, any other M.
    static Kind photoKind(int imageMode);
    // Makes the folder, takes the first number from the counter on whose
    // name is free (also free of the encoder's hidden temporary), going
    // round to 0 past MaxNumber, and leaves the counter one past it. Names
    // the last scan saw are passed over without a look at the card. Empty
    // when the day has no free number.
    QString takeFreeName(Kind kind);
    // The number of a name of this layout: the whole digit run after "_";
    // 0 when there is none or it is past MaxNumber.
    static int numberOf(const QString &fileName);

private:
    QString nameLocked(Kind kind, int number) const;
    // One pass over the folder: the highest number of the names starting
    // with prefix ("yymmdd_") in it and its sub-folders, and in taken the
    // names of our own layout directly in it.
    static int highestIn(const QString &folder, const QByteArray &prefix, QBitArray (&taken)[KindCount]);

    mutable QMutex m_mutex;
    int m_year = 0;
    int m_month = 1;
    int m_day = 1;
    int m_photoId = 0;
    int m_videoId = 0;
    QString m_currentVideo;
    int m_updates = 0;
    // Per kind, the numbers whose names the last scan found taken.
    QBitArray m_taken[KindCount];
};
