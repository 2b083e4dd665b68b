#pragma once

#include <QPushButton>

// A panel slider knob: its release reports its own name and nothing else,
// so it never clicks.
class CVPushbutton : public QPushButton
{
    Q_OBJECT
public:
    explicit CVPushbutton(QWidget *parent = nullptr);

    void setName(const QString &name) { m_name = name; }
    QString name() const { return m_name; }

Q_SIGNALS:
    void mouseRelease(const QString &name);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_name;
};
