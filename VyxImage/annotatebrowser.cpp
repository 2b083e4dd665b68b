#include "annotatebrowser.h"

#include <QKeyEvent>

annotateBrowser::annotateBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    setStyleSheet(QStringLiteral("background: rgba(0, 0, 127, 70); selection-background-color: rgb(191, 31, 127);"
                                 " border: 2px groove gray; border-radius: 10px; padding: 2px 4px;"));
}

void annotateBrowser::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    event->ignore();
}
