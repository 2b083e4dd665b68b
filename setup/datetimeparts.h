#pragma once

#include <QString>

#include <functional>

class EDialogTitle;
class Key_Num;
class QFrame;
class QKeyEvent;
class QPushButton;
class QTextEdit;
class QWidget;
class ZLineEdit;

// Pieces the date and the time dialogs share: the look of their step
// buttons and fields, and how a finished window goes.
class DateTimeParts
{
public:
    // The small framed window (230 x 140, named name) with its caption bar
    // across the top.
    static EDialogTitle *buildFrame(QFrame *dialog, const QString &name);
    static QPushButton *stepButton(QWidget *parent, const QString &text, int pointSize);
    static void styleField(ZLineEdit *field);
    // "+", the field and "-" one above the other at x, width wide.
    static void placeColumn(QPushButton *add, ZLineEdit *field, QPushButton *sub, int x, int width);
    // One step of a two-digit value that wraps around from max to min and
    // back (direction +1 or -1).
    static QString stepAround(const QString &value, int direction, int min, int max);
    // Escape closes the dialog and the setup window behind it (closed()
    // tells the dialog's owner), Return is Done.
    static void answerKey(QKeyEvent *event, const std::function<void()> &closed, const std::function<void()> &done);
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
