#pragma once

#include <QImage>
#include <QWidget>

// The simulated 320x240 display: paints what the board would put on its
// video layer, with the application's transparent overlay on top.
class SimScreen : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 320;
    static constexpr int Height = 240;

    explicit SimScreen(QWidget *parent = nullptr);

    // The application's top window; reparented to fill the screen.
    void setOverlay(QWidget *overlay);
    QWidget *overlay() const { return m_overlay; }

    // The board's picture, scaled to the screen; a null picture shows the
    // placeholder.
    void setBoardPicture(const QImage &picture);
    static QImage placeholderPicture();

    // The panel as the power nodes leave it: the backlight value (0..8192,
    // lower is brighter) dims everything on the screen; a panel that is off
    // shows black.
    void setBacklight(int value);
    void setPanelOn(bool on);
    int backlight() const { return m_backlight; }
    bool panelOn() const { return m_panelOn; }
    // Shows a parentless window (popup, dialog, full-screen page) on the
    // simulated screen at its own screen position, beneath the shade.
    void showOnScreen(QWidget *window);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateShade();

    QImage m_picture;
    QWidget *m_overlay = nullptr;
    QWidget *m_shade = nullptr;
    int m_backlight = 0;
    bool m_panelOn = true;
};
