#pragma once

#include <QFileInfo>
#include <QList>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <functional>

// Fills the photo thumbnail cache in the browser's display order: every
// photo without a thumbnail gets a 100 x 75 JPEG, decoded at that size.
// A thumbnail is written to a temporary file and renamed, and an existing
// one is never rewritten. The browser hands the list over once before
// start(); afterwards it only requests a stop, seen after each photo.
// Delete it only after finished(): the owner connects finished() to
// deleteLater() when it goes while the thread still runs.
class ThumbThread : public QThread
{
    Q_OBJECT
public:
    explicit ThumbThread(QObject *parent = nullptr);
    // Requests a stop and waits: for an owner that knows it has ended.
    ~ThumbThread() override;

    // Takes its own copy of the browser's list (call before start()).
    void loadThumbs_p(const QList<QFileInfo> &list);
    // The same from the paths of photoPathsOnCard() (shared, not copied).
    void loadPhotoPaths(const QStringList &paths);
    // The thread's own scan of the photo folder, unsorted.
    void loadThumbs();
    // Every photo under the photo folder and its sub-folders, unsorted.
    static QList<QFileInfo> photosOnCard();
    // Their absolute paths, each as QFileInfo::absoluteFilePath() gives it.
    static QStringList photoPathsOnCard();
    int count() const { return m_count; }
    // The cache name of photo i (the tiles use the same rule).
    QString getThumbsMd5(int i) const;

    void requestStop() { m_stop.store(1); }
    bool stopRequested() const { return m_stop.load() != 0; }

    // Runs on the thread after each photo of the list (test seam).
    void setAfterPhoto(std::function<void(int)> hook) { m_afterPhoto = std::move(hook); }

    // Makes one thumbnail of photo into path; false when it cannot.
    static bool makeThumbnail(const QFileInfo &photo, const QString &path);
    // Removes the scratch files of thumbnail writes cut short from the
    // cache folder; how many. The first run() of the program does it.
    static int removeStaleScratch();

protected:
    void run() override;

private:
    // Absolute paths: plain strings share safely between the threads.
    QStringList m_paths;
    int m_count = 0;
    std::atomic<int> m_stop{0};
    std::function<void(int)> m_afterPhoto;
};
