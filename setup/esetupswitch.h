#pragma once

#include <QPixmap>
#include <QPushButton>

class QLabel;

// On/off row of the setup pages: caption at the left, the switch picture at
// the right. It never changes state by itself: the owner reacts to
// clicked() and sets the state its setting now has.
class ESetupSwitch : public QPushButton
{
    Q_OBJECT
public:
    explicit ESetupSwitch(const QString &title, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setOpen(bool open);
    bool isOpen() const { return m_open; }

private:
    QPixmap m_onPixmap;
    QPixmap m_offPixmap;
    QLabel *m_stateLabel = nullptr;
    bool m_open = false;

public:
    // Owners may rewrite the caption ("24-hour" / "12-hour").
    QLabel *m_titleLabel = nullptr;
};
