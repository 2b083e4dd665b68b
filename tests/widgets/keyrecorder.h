#pragma once

#include <QKeyEvent>
#include <QList>
#include <QWidget>

// A focusable widget that records the key presses and releases it receives.
class KeyRecorder : public QWidget
{
public:
    struct Key
    {
        int code;
        QString text;
        bool spontaneous;
    };

    explicit KeyRecorder(QWidget *parent = nullptr)
        : QWidget(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

    QList<Key> presses;
    int releases = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        presses.append({event->key(), event->text(), event->spontaneous()});
    }
    void keyReleaseEvent(QKeyEvent *) override { ++releases; }
};
