#pragma once

#include <QPushButton>
#include <QTimer>
#include <QWidget>

// Looks inside a toolkit row the way its tests need: its arrow buttons by
// object name ("Left", "Right") and whether a repeat timer still runs.
inline QPushButton *arrow(QWidget *row, const char *name)
{
    return row->findChild<QPushButton *>(QLatin1String(name));
}

inline bool anyTimerActive(QObject *row)
{
    for (QTimer *t : row->findChildren<QTimer *>()) {
        if (t->isActive())
            return true;
    }
    return false;
}
