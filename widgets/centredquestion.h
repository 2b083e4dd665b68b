#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// The calibration pages' question: a frameless box with Yes and No (No is
// the default) centred on the 320x240 panel and run modally. Tests install
// a responder that answers the shown box (by real clicks or keys) instead
// of a person; the box still runs its own modal loop.
class CentredQuestion
{
public:
    using Responder = std::function<void(QMessageBox *box)>;

    // The button that closed the box: Yes, No, or NoButton when it was
    // closed some other way.
    static QMessageBox::StandardButton ask(const QString &text);
    static bool askYes(const QString &text) { return ask(text) == QMessageBox::Yes; }

    // Called with the shown, centred box from inside its modal loop; a box
    // the responder leaves open is answered No. Returns the previous one.
    static Responder setResponder(Responder responder);

private:
    static Responder &responder();
};
