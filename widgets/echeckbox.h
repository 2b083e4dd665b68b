#pragma once

#include <QCheckBox>

// Check box that only reports its name when pressed; the receiver decides
// the check state. A highlight band marks the current one.
class ECheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit ECheckBox(const QString &text, QWidget *parent = nullptr);

    void setName(const QString &name) { m_name = name; }
    QString name() const { return m_name; }
    void setHighlight(bool on);
    bool isHighlight() const { return m_highlight; }

Q_SIGNALS:
    void clicked(const QString &name);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_highlight = false;
    QString m_name;
};
