#pragma once

#include <QDialog>
#include <QString>

class MZoomroteButton;

// The strip of six buttons at the bottom of the live view that zooms and
// rotates the picture the encoder service produces: every step goes to the
// service as a text command, and the live view's indicator shows rotation
// and zoom while either is away from neutral. A held zoom or rotate button
// steps by one more each second, up to ten; any release starts again at one.
// The live view and its status bar know it as ELivePopups::zoomStrip().
class ZMultifunctional : public QDialog
{
    Q_OBJECT
public:
    enum { ZoomMin = 10, ZoomMax = 200, AngleMax = 360, StepMax = 10 };

    explicit ZMultifunctional(QWidget *parent = nullptr);
    ~ZMultifunctional() override;

    int zoom() const { return m_zoom; }
    int angle() const { return m_angle; }
    int step() const { return m_step; }
    // By name: "zoom_in", "zoom_out", "leftrote", "rightrote", "revert", "exit".
    MZoomroteButton *button(const QString &name) const;
    // "30°/ 1.5" for angle 30 and zoom 15.
    static QString indicatorText(int angle, int zoom);

public Q_SLOTS:
    void zoom_rote_slots(const QString &name);
    void exit_zoom_rote();

private:
    MZoomroteButton *addButton(const QString &name);
    void send(const QByteArray &command);
    void updateIndicator();

    MZoomroteButton *m_zoomIn = nullptr;
    MZoomroteButton *m_zoomOut = nullptr;
    MZoomroteButton *m_leftRote = nullptr;
    MZoomroteButton *m_rightRote = nullptr;
    MZoomroteButton *m_revert = nullptr;
    MZoomroteButton *m_exit = nullptr;
    int m_zoom = ZoomMin;
    int m_angle = 0;
    int m_step = 0;
};
