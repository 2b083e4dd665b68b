#pragma once

#include <QWidget>

class MessageChannel;
class QStackedWidget;
class SetListItem;

// The service settings window of calibration mode: the page list at the
// left and the pages "Calib" (DevChipPage), "Ver" (DevVersionPage), "Bak"
// (ParaBackupPage), "EMIF" (EmifTestPage) and an empty one. Every show
// starts on "Calib". Any message on "setupwindow" closes it the way its
// cancel button does, so the calibration menu comes back.
class SetMainWindow : public QWidget
{
    Q_OBJECT
public:
    enum Page { ChipPage, VersionPage, BackupPage, EmifPage, EmptyPage };
    static const char *channelName() { return "setupwindow"; }

    explicit SetMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    QWidget *widget(int index) const;
    int currentIndex() const;
    SetListItem *listItem() const { return m_list; }

public Q_SLOTS:
    void pageChangeHandler(int index);
    void setupwindow_received(const QString &message, const QByteArray &data);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    SetListItem *m_list = nullptr;
    QStackedWidget *m_stack = nullptr;
    MessageChannel *m_channel = nullptr;
};
