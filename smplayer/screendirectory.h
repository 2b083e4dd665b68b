#pragma once

#include "screenbase.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>

#include <vector>

class ZVideoloadThread;

// The video grid: four thumbnails to a row, dragged with momentum and an
// eased approach, a highlight, a delete mode with its selection, and the
// thumbnail worker's control. Thumbnails are decoded when a row first
// comes into view.
class ScreenDirectory : public ScreenBase
{
    Q_OBJECT
public:
    explicit ScreenDirectory(QObject *parent = nullptr);
    ~ScreenDirectory() override;

    void onSetFiles(const QStringList &files, const QString &select) override;
    void onPaint(QPainter &painter) override;
    void onResize() override;
    void onWheel(QWheelEvent *event) override;
    void onTimer() override;
    bool onSingletouch(QEvent *event) override;
    void onKeyPressEvent() override;
    void left_move() override;
    void right_move() override;
    void up_move() override;
    void down_move() override;
    void remove_mode() override;
    void reset_mode() override;
    void delete_File() override;
    void selectAllFile() override;
    void unselectAllFile() override;

    void videoThumbnailerstart();

    // Geometry, for the tests and the bench.
    int columns() const { return m_columns; }
    int cellWidth() const;
    int imageHeight() const { return cellWidth() * 3 / 4; }
    int rowPitch() const { return imageHeight() + 20; }
    int contentHeight() const { return m_contentHeight; }
    int shownOffset() const { return m_shownOffset; }
    int targetOffset() const { return m_targetOffset; }
    void setOffsets(int shown, int target) { m_shownOffset = shown; m_targetOffset = target; }
    double speed() const { return m_speed; }
    void setSpeed(double speed) { m_speed = speed; }
    bool isMoving() const { return m_moving; }
    bool deleteMode() const { return m_deleteMode; }
    bool isSelected(int index) const;
    int selectedCount() const;
    int hitTest(int x, int y) const;
    // One easing step's length for a distance d at height h.
    static int easingStep(int d, int h);
    bool hasThumbnail(int index) const;
    QImage thumbnailImage(int index) const { return hasThumbnail(index) ? m_thumbs[size_t(index)] : QImage(); }
    ZVideoloadThread *worker() const { return m_worker; }
    void fling();
    void onTap(int x, int y);

private Q_SLOTS:
    void videoThumbnailerexit();
    void getThumbnailerimage(int index);

private:
    enum Thumb : char { Unknown, Missing, Loaded };
    void layout();
    void clampTarget();
    int maxOffset() const;
    void speedSample(int y, bool reset);
    void followCurrent();
    void stopWorker();
    const QImage *thumbnail(int index);
    void drawPlayMark();

    std::vector<QImage> m_thumbs;
    std::vector<char> m_thumbState;
    std::vector<char> m_selection;
    double m_zoom = 25.0;
    int m_contentHeight = 0;
    int m_shownOffset = 0;
    int m_targetOffset = 0;
    int m_columns = 1;
    int m_dragStartOffset = 0;
    bool m_moving = false;
    QImage m_scrollIndicator;
    int m_pressX = 0;
    int m_pressY = 0;
    bool m_pressed = false;
    int m_lastY = 0;
    QElapsedTimer m_lastSample;
    double m_speed = 0;
    QPixmap m_playMark;
    QPixmap m_deleteMark;
    bool m_deleteMode = false;
    ZVideoloadThread *m_worker = nullptr;
    bool m_startPending = false;
};
