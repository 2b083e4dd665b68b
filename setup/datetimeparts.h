#pragma once

#include <QString>

class QPushButton;
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
};
