#pragma once

#include <QString>

class Key_Num;
class QPushButton;
class QTextEdit;
class QWidget;
class ZLineEdit;

// Pieces the date and the time dialogs share: the look of their step
// buttons and fields, and how a finished window goes.
class DateTimeParts
{
public:
    static QPushButton *stepButton(QWidget *parent, const QString &text, int pointSize);
    static void styleField(ZLineEdit *field);
    // Closes now and deletes once control is back in the event loop: the
    // window may still be inside the handler that reported it finished.
    static void dispose(QWidget *window);

    // The face of a full-screen number board: grey, "OK" at (270, 20), the
    // entry field at (1, 1) over a black backdrop with the digit pad, the
    // field focused so it takes the pad's keys.
    struct BoardFace {
        QTextEdit *textEdit;
        QPushButton *okButton;
        Key_Num *keypad;
    };
    static BoardFace buildBoardFace(QWidget *board);
};
