#pragma once

#include <QPushButton>

// Full-width list row with a tick on its right. It never toggles itself:
// a click reports the caption and the current state; the owner decides.
class ECheckItem : public QPushButton
{
    Q_OBJECT
public:
    ECheckItem(const QString &text, QWidget *parent = nullptr, int inset = 0);

    bool checked() const { return m_checked; }
    void setChecked(bool on);
    // From then on no tick is drawn; there is no way back.
    void removeCheck();
    bool isCheckRemoved() const { return m_checkRemoved; }

Q_SIGNALS:
    void clicked(const QString &text);
    void clicked(bool checked);

public Q_SLOTS:
    void clickedHandler();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_checked = false;
    bool m_checkRemoved = false;
    bool m_inset = false;
};
