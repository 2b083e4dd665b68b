#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Title bar of the measurement dialogs: a centred title on the title
// picture and a Cancel button on the right that emits cancel().
class ETitle : public QWidget
{
    Q_OBJECT
public:
    explicit ETitle(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setText(const QString &text);
    QString text() const;

Q_SIGNALS:
    void cancel();
    void done();

protected:
    // A press on the bar ends here; the dialog behind never sees it.
    void mousePressEvent(QMouseEvent *) override {}
    void paintEvent(QPaintEvent *event) override;

private:
    QPushButton *m_cancel;
    QLabel *m_title;
};
