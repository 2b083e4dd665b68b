#pragma once

#include <QObject>
#include <QPointer>

class ESetupWindow;
class SimScreen;

// `ostrel --simulate`'s way into the setup window until the main menu
// exists: F8 opens it as the menu's settings entry does, at (0, 16),
// 320 x 225 on the simulated screen, with "resume start" to the encoder
// service and the live view marked covered. The window is built on the
// first turn of the event loop, as the menu builds it.
class SimSetupWiring : public QObject
{
    Q_OBJECT
public:
    static constexpr int OpenKey = Qt::Key_F8;

    // Owned by the screen.
    static SimSetupWiring *install(SimScreen *screen);
    ~SimSetupWiring() override;

    ESetupWindow *window();
    ESetupWindow *openSetupWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit SimSetupWiring(SimScreen *screen);

    SimScreen *m_screen;
    QPointer<ESetupWindow> m_window;
};
