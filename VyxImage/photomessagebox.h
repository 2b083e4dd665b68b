#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The viewer's question before a photo is deleted: OK or Cancel (Escape).
class PhotoMessageBox : public QDialog
{
    Q_OBJECT
public:
    explicit PhotoMessageBox(QWidget *parent = nullptr);

    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

Q_SIGNALS:
    void send_oksignals();
    void send_cancelsignals();

public Q_SLOTS:
    void okbutton_slots();
    void cancelbutton_slots();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_title;
    QLabel *m_message;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
