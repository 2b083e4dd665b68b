#pragma once

#include <QWidget>

class IRCoreListItem;
class QStackedWidget;

// The infrared core's maintenance window, full screen: the page list at
// the left and the pages "Two Calib" (CalibPage), "Para Setting"
// (ParaPage) and "B2" (B2Page). Its screens hide it with a plain close()
// and show it again; leaving it for good (Escape, the cancel button, or
// calibration mode ending) runs closeCore(): every screen of it goes, the
// live overlay comes back, the core's link closes and the serial link is
// given back.
class IRCoreMainWindow : public QWidget
{
    Q_OBJECT
public:
    enum Page { CalibPageIndex, ParaPageIndex, B2PageIndex };

    explicit IRCoreMainWindow(QWidget *showAgain, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~IRCoreMainWindow() override;

    QWidget *widget(int index) const;
    int currentIndex() const;
    IRCoreListItem *listItem() const { return m_list; }

    // The closing sequence; with showAgain false the window it came from
    // stays hidden (calibration mode is ending). Safe to call at any time.
    void closeCore(bool showAgain);

public Q_SLOTS:
    void pageChangeHandler(int index);
    void slot_close();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_showAgain;
    IRCoreListItem *m_list = nullptr;
    QStackedWidget *m_stack = nullptr;
};
