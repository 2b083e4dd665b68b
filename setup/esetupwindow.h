#pragma once

#include <QWidget>

class EListItems;
class QStackedWidget;

// The settings screen: the list of five entries at the left and the stack
// of pages it chooses from. Built once and kept; closing only hides it.
// Closing (back button, Escape, any message on "setupwindow") hands the
// encoder service back to the live picture, puts the stored idle periods
// into force and marks the live view shown again. The status bar knows it
// as ELivePopups::setupWindow().
class ESetupWindow : public QWidget
{
    Q_OBJECT
public:
    enum Page { GeneralPage, ControlPage, PhotosPage, DateTimePage, InfoPage, PageCount };

    static const char *channelName() { return "setupwindow"; }
    static const char *servicePipe() { return "/tmp/service_ir"; }

    explicit ESetupWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~ESetupWindow() override;

    // The page at index, null out of range.
    QWidget *widget(int index) const;
    int currentIndex() const;
    EListItems *listItems() const { return m_listItems; }

    // Puts the screen-off and power-off periods the Control page stored
    // into force, after the Photos page re-armed its interval capture.
    void updatePageTimeStat();

public Q_SLOTS:
    void pageChangeHandler(int index);
    void setupwindow_received(const QString &message, const QByteArray &data);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QStackedWidget *m_stack = nullptr;
    EListItems *m_listItems = nullptr;
};
