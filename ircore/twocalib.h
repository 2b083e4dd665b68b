#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

// The two-point K calibration over the live picture: the core's steps in
// order (two inits, the 25 and 70 degree blackbodies, the K calculation),
// an optional dead-pixel marking, then saving. Each step's call is made
// once per OK (the step moves on first), its result is checked: success
// is said a second later, a refusal at once with OK ready to try again.
class TwoCalib : public QWidget
{
    Q_OBJECT
public:
    explicit TwoCalib(QWidget *parent = nullptr);
    ~TwoCalib() override;

    int step() const { return m_step; }
    QLabel *messageLabel() const { return m_message; }
    QPushButton *button(const QString &text) const;
    QTimer *waitTimer() const { return m_wait; }

public Q_SLOTS:
    void startCalib();
    void slot_clicked_next();
    void slot_clicked_ok();
    void slot_clicked_yes();
    void slot_clicked_no();
    void slot_clicked_exit();
    void slot_step();
    void manualDeadPointClose();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setMessage(const QString &text);
    void nextReady();
    void okReady();
    void askYesNo(const QString &text);
    void wait();

    QLabel *m_message = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_yes = nullptr;
    QPushButton *m_no = nullptr;
    QPushButton *m_exit = nullptr;
    QTimer *m_wait = nullptr;
    int m_step = 0;
};
