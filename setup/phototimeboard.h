#pragma once

#include <QString>
#include <QWidget>

class Key_Num;
class QPushButton;
class QTextEdit;

// Full-screen number pad of the interval dialog. The entry keeps at most
// six digits, so the number it reports always fits; OK reports it (0 when
// the field is empty) and closes, Escape closes without a report.
class PhotoTimeBoard : public QWidget
{
    Q_OBJECT
public:
    enum { MaxDigits = 6 };

    explicit PhotoTimeBoard(QWidget *parent = nullptr);

    void setPhotoTimeStr(const QString &text);
    // Digits only, at most six.
    static QString limitEntry(const QString &text);

    QTextEdit *textEdit() const { return m_textEdit; }
    QPushButton *okButton() const { return m_okButton; }
    Key_Num *keypad() const { return m_keypad; }

Q_SIGNALS:
    void photoTimeBoard_signals(int number);

public Q_SLOTS:
    void doPhotoTime();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void CreatePhotoTimeBoardUi();
    void keepEntryShort();

    QTextEdit *m_textEdit = nullptr;
    QPushButton *m_okButton = nullptr;
    Key_Num *m_keypad = nullptr;
};
