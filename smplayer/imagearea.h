#pragma once

#include <QTimer>
#include <QWidget>

class ScreenBase;
class ScreenDirectory;
class QWheelEvent;

// The browser's drawing area: owns the grid screen and feeds it touches,
// paints, resizes and a 100 ms tick.
class ImageArea : public QWidget
{
    Q_OBJECT
public:
    explicit ImageArea(QWidget *parent = nullptr);
    ~ImageArea() override;

    ScreenDirectory *screen() const;
    QTimer *tick() { return &m_tick; }

    void setFiles(const QStringList &files, const QString &select);
    void onWheel(QWheelEvent *event);
    void onkeyPressEvent();
    void _area_leftmove();
    void _area_rightmove();
    void _area_upmove();
    void _area_downmove();
    void _remove_mode();
    void reset_mode();
    void _delete_File();
    void selectAllVideoFile();
    void unSelectAllVideoFile();
    void startCreateThumbThread();

    enum { TickMs = 100 };

Q_SIGNALS:
    void loadFile(int index, const QString &name);
    void loadDir();

public Q_SLOTS:
    void passLoadFile(int index, const QString &name);
    void passLoadDir();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

protected Q_SLOTS:
    void onTimer();
    void onStartTimer();

private:
    void _connectSignals(ScreenBase *screen);

    ScreenBase *const m_screen;   // made with the area, deleted with it
    QTimer m_tick;
};
