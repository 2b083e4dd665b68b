#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QTimer;
class QToolButton;

// The 320x150 QWERTY touch keyboard. A tap becomes a synthetic key press for
// the focus widget of the host (the parent); each key keeps one key code on
// every page, only the event text follows the page shown.
class WidgetKeyboard : public QWidget
{
    Q_OBJECT
public:
    explicit WidgetKeyboard(QWidget *parent);
    ~WidgetKeyboard() override;

    bool capsSelected() const { return isCaps; }
    bool symbolsShown() const { return isChar; }
    // Taps waiting for the short delay before they are delivered.
    int pendingKeys() const { return keyQueue.size(); }

private Q_SLOTS:
    void on_btn_clicked(int btn);
    void on_btnCaps_toggled();
    void changeTextCaps(bool isCaps);
    void changeTextchar(bool isChar);
    void on_btnchar_toggled();
    void timerslot();

private:
    struct PendingKey
    {
        int keyId;
        QString keyText;
    };

    void buildKeys();

    QWidget *hostWidget = nullptr;
    bool isCaps = false;
    bool isChar = false;
    QList<QToolButton *> keyList;
    QTimer *keyTimer = nullptr;
    // Every tap is kept until delivered: a second tap within the delay must
    // not replace the first one.
    QList<PendingKey> keyQueue;
};
