#pragma once

#include <QWidget>

class QPushButton;
class QTextEdit;
class WidgetKeyboard;

// Full-screen frameless panel for typing free text: a text area, "Done" and
// "Cancel", and the on-screen keyboard below. It only collects the text and
// says how it was left; the owner reads textEdit and closes the panel.
class UseKeyBoardDialog : public QWidget
{
    Q_OBJECT
public:
    explicit UseKeyBoardDialog(QWidget *parent = nullptr);

    void setCurrentText(const QString &text);

    QPushButton *button = nullptr;   // "Done"
    QTextEdit *textEdit = nullptr;
    QPushButton *button_2 = nullptr; // "Cancel"
    WidgetKeyboard *keyboard = nullptr;

Q_SIGNALS:
    void Keyboard_exit(bool accepted);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void btnShow_clicked();
    void btnHide_clicked();
};
