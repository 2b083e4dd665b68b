#pragma once

#include <QPushButton>

class QTimer;

// A button of the zoom and rotate strip: reports its name at once when
// pressed, again every second while a zoom or rotate button is held, and
// reports the release. Hiding the button ends a held press, so a strip
// hidden under a finger stops sending steps.
class MZoomroteButton : public QPushButton
{
    Q_OBJECT
public:
    enum { RepeatMs = 1000 };

    explicit MZoomroteButton(QWidget *parent = nullptr);

    void setName(const QString &name) { m_name = name; }
    QString name() const { return m_name; }
    QTimer *repeatTimer() const { return m_repeat; }
    // Only the zoom and rotate buttons repeat while held.
    static bool repeats(const QString &name);

Q_SIGNALS:
    void clicked_Button(const QString &name);
    void released_Button();

public Q_SLOTS:
    void press_slots();
    void time_outslots();
    void released_slots();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QTimer *m_repeat;
    QString m_name;
};
