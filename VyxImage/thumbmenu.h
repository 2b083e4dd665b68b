#pragma once

#include <QDialog>
#include <QFileInfo>
#include <QList>
#include <QPoint>
#include <QStringList>

class PhotosView;
class QLabel;
class QPushButton;
class ThumbStatus;
class ThumbThread;
class ThumbToolWidget;
class ThumItem;

// The photo browser: the photos on the card newest first, six to a page,
// paged by swipes; a tap opens the viewer (whose previous, next and delete
// requests it follows) or, in delete mode, selects. Leaving sends
// "Imagephotos" on "emaininterface"; the main menu then destroys it.
class ThumbMenu : public QDialog
{
    Q_OBJECT
public:
    enum { TilesPerPage = 6 };

    explicit ThumbMenu(QWidget *parent = nullptr);
    // The thumbnail thread is released only once it has finished.
    ~ThumbMenu() override;

    void browse();
    void updatePage();

    bool getDeleteImageMode() const { return m_deleteMode; }
    void setDeleteImageMode(bool on) { m_deleteMode = on; }

    // The display order: a comes first (newer day, then higher number).
    static bool caseInsensitiveLessThan(const QFileInfo &a, const QFileInfo &b);
    // Sorts photos stably into display order, each name's keys read once.
    static void sortForDisplay(QList<QFileInfo> &photos);
    static void sortForDisplay(QStringList &paths);
    // What a move from press to release does.
    enum Gesture { None, NextPage, PreviousPage, Tap };
    static Gesture gestureOf(int dx, int dy, bool onTile);

    int count() const { return int(m_photos.size()); }
    int page() const { return m_page; }
    int currentTile() const { return m_tile; }
    QFileInfo photoAt(int position) const { return holds(position) ? QFileInfo(m_photos.at(position)) : QFileInfo(); }
    QStringList selection() const { return m_selection; }
    ThumItem *tile(int n) const { return m_tiles.value(n); }
    QLabel *caption(int n) const { return m_captions.value(n); }
    ThumbToolWidget *toolWidget() const { return m_toolWidget; }
    QPushButton *exitButton() const;
    ThumbStatus *statusNotice() const { return m_status; }
    PhotosView *viewer() const { return m_viewer; }
    ThumbThread *thumbThread() const { return m_thread; }

public Q_SLOTS:
    void mouseClick(const QString &name);
    void mouseReleaseClick(const QString &name);
    void thumbThreadslots();
    void getprevphotoslots(int index);
    void getnextphotoslots(int index);
    void deletephotoslots(int index);
    void toolWidgetExitButtonSlots();
    void toolWidgetDeleteModeSlots();
    void toolWidgetCancelModeSlots();
    void toolWidgetDeleteFileSlots();
    void toolWidgetSelectAllSlots();
    void toolWidgetUnSelectAllSlots();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void findeFiles();
    bool holds(int position) const { return position >= 0 && position < m_photos.size(); }
    void mousepressanalysis(const QPoint &global, bool onTile);
    void mouseReleaseanalysis(const QPoint &global);
    void tapOnTile();
    void setPosition(int position);
    int deleteImageListFile();
    void stopThread(int waitMs);
    void leave();

    // Absolute paths, in display order.
    QStringList m_photos;
    int m_page = 0;
    int m_tile = 0;
    // Absolute paths: a photo in a sub-folder is the one deleted.
    QStringList m_selection;
    bool m_deleteMode = false;
    QPoint m_pressPos;
    bool m_pressed = false;
    bool m_pressOutside = false;
    QList<ThumItem *> m_tiles;
    QList<QLabel *> m_captions;
    ThumbThread *m_thread = nullptr;
    ThumbStatus *m_status = nullptr;
    PhotosView *m_viewer = nullptr;
    ThumbToolWidget *m_toolWidget = nullptr;
};
