#pragma once

#include <QLineEdit>

// A line edit that names itself when touched, so a screen knows which field
// to open a number board for. The touch does not move its cursor.
class ZLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit ZLineEdit(QWidget *parent = nullptr);

    void ZsetName(const QString &name);
    QString name() const { return m_name; }

Q_SIGNALS:
    void emit_lineedit(const QString &_str);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString m_name;
};
