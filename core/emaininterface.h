#pragma once

#include "emainmenu.h"

#include <QDialog>
#include <QPointer>

class CvmainWindow;
class EAnalysisTab;
class EImageTab;
class EInterfaceItem;
class EMainWindow;
class ESetupWindow;
class Smaplayer;
class ThumbMenu;

// The main menu: six tiles over the live picture that open the
// measurement tools, the image popup, the capture panel, the photo and
// video browsers and the setup window. It hides the live overlay for the
// full-screen pages, tells the encoder service what the video path must
// do, and restores the live view when a browser reports its exit on the
// "emaininterface" channel. On its first turn of the event loop it builds
// the popups and the setup window ahead of use. What it creates lives as
// long as the menu. The live view and its status bar reach it as their
// EMainMenu.
class EMainInterface : public QDialog, public EMainMenu
{
    Q_OBJECT
public:
    static const char *channelName() { return "emaininterface"; }
    static const char *wakeChannelName() { return "mousewakeup"; }
    // Where the tile grid (3 x 70 + 2 x 15 by 2 x 60 + 15) stands.
    static QRect menuGeometry() { return QRect(40, 52, 240, 135); }

    // The main window may be null until it exists.
    explicit EMainInterface(EMainWindow *mainWindow, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~EMainInterface() override;

    void setVisibled(bool shown) override;
    bool isVisibled() const override { return m_shown; }

    // One command to the encoder service; 0 when written, -1 when not
    // (logged with the reason).
    static int isWriteSelect(const char *command);

    EInterfaceItem *tile(const QString &name) const;
    ThumbMenu *photoBrowser() const;
    Smaplayer *videoBrowser() const;

public Q_SLOTS:
    void mouseClicked(const QString &name);
    void mousePressClicked(const QString &name);
    void mainInterface_received(const QString &message, const QByteArray &data);
    void mousewakeup_received(const QString &message, const QByteArray &data);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void buildAheadOfUse();
    EAnalysisTab *analysisTab();
    EImageTab *imageTab();
    ESetupWindow *setupWindow();
    CvmainWindow *capturePanel();
    void openAnalysis();
    void openImage();
    void openCamera();
    void openPhotos();
    void openPlayer();
    void openSetup();
    void giveBackScreenMemory();

    bool m_shown = false;
    int m_startTimer = 0;
    QPointer<ThumbMenu> m_photoBrowser;
    QPointer<Smaplayer> m_videoBrowser;
    // Built here and deleted with the menu; the registry points at them.
    QPointer<EAnalysisTab> m_analysisTab;
    QPointer<EImageTab> m_imageTab;
    QPointer<ESetupWindow> m_setupWindow;
    QPointer<CvmainWindow> m_capturePanel;
};
