#include "screenbase.h"

ScreenBase::ScreenBase(QObject *parent)
    : QObject(parent)
{
}

ScreenBase::~ScreenBase() = default;
