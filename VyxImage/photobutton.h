#pragma once

#include <QPushButton>

class QTimer;

// A viewer button that reports its name on press and release; the zoom
// and rotate buttons ("image_add", "image_sub", "image_round") step again
// every 700 ms while held.
class PhotoButton : public QPushButton
{
    Q_OBJECT
public:
    explicit PhotoButton(QWidget *parent = nullptr);

    void setName(const QString &name) { m_name = name; }
    QString name() const { return m_name; }
    QTimer *repeatTimer() const { return m_timer; }

    // The rotation step count shared by every viewer: 0 after a release.
    static int speed_val;

Q_SIGNALS:
    void clicked_Button(const QString &name);
    void released_Button(const QString &name);

public Q_SLOTS:
    void time_outslots();
    void press_slots();
    void released_slots();

private:
    QTimer *m_timer;
    QString m_name;
};
