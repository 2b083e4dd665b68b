#pragma once

#include <QObject>
#include <QStringList>

class QEvent;
class QPainter;
class QWheelEvent;

// A screen an ImageArea draws and feeds: its size, its list of names, the
// highlighted position, and the hooks the area forwards to.
class ScreenBase : public QObject
{
    Q_OBJECT
public:
    explicit ScreenBase(QObject *parent = nullptr);
    ~ScreenBase() override;

    int width = 320;
    int height = 240;
    QStringList files;
    int current = 0;

    virtual void onSetFiles(const QStringList &files, const QString &select) = 0;
    virtual void onPaint(QPainter &painter) = 0;
    virtual void onResize() = 0;
    virtual void onWheel(QWheelEvent *event) = 0;
    virtual void onTimer() = 0;
    virtual bool onSingletouch(QEvent *event) = 0;
    virtual void onKeyPressEvent() = 0;
    virtual void left_move() = 0;
    virtual void right_move() = 0;
    virtual void up_move() = 0;
    virtual void down_move() = 0;
    virtual void remove_mode() = 0;
    virtual void reset_mode() = 0;
    virtual void delete_File() = 0;
    virtual void selectAllFile() = 0;
    virtual void unselectAllFile() = 0;

Q_SIGNALS:
    void updateSignal();
    void loadFile(int index, const QString &name);
    void loadDir();
    void startTimer();
};
