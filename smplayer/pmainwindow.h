#pragma once

#include <QMainWindow>

class ImageArea;
class VideoToolWidget;

// The video list: the grid of thumbnails over the button bar. The player
// window makes it once as its child and shows and hides it.
class PMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit PMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    ImageArea *area() const { return m_area; }
    VideoToolWidget *bar() const { return m_bar; }

    void _loadFiles(const QString &path);
    void _loadFiles(const QString &directory, const QString &file);
    void startCreateThumbThread();

Q_SIGNALS:
    void send_playItem(int index, const QString &name);
    void sysexit();

public Q_SLOTS:
    void playFileItem(int index, const QString &name);
    void openDir();
    void close_mode();
    void _remove_mode();
    void reset_mode();
    void _delete_File();
    void _back_delete();
    void toolWidgetSelectAllSlots();
    void toolWidgetUnSelectAllSlots();
    void _run_mainwindowloadFiles();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ImageArea *m_area;
    VideoToolWidget *m_bar;
};
