#include "paintflush.h"

#include <QCoreApplication>
#include <QEventLoop>

void PaintFlush::now()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
