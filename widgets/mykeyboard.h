#pragma once

#include <QList>
#include <QWidget>

class QPushButton;
class QTextEdit;
class QToolButton;

// Full-screen hex and number pad for the service and calibration screens.
// It checks nothing: "OK" hands the trimmed text to the owner, Escape says
// "KeyOut"; hiding the pad is the owner's business.
class MyKeyboard : public QWidget
{
    Q_OBJECT
public:
    explicit MyKeyboard(QWidget *parent = nullptr);

    void setCurrentText(const QString &text);
    void setCurrentID(int id);
    int currentID() const { return m_currentId; }
    void setDefaultText();

    QToolButton *key(const QString &objectName) const;

    QTextEdit *textEdit = nullptr;
    QPushButton *btnOk = nullptr;

Q_SIGNALS:
    void sign_sndEdit(const QString &strData);
    void sign_sndEdit(int id, const QString &strData);

public Q_SLOTS:
    void slot_btnClicked(int btn);
    void on_btnOk_clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QList<QToolButton *> m_keys;
    int m_currentId = -1;
};
