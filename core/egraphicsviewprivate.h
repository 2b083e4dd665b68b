#pragma once

#include <QGraphicsView>

// The calibration-mode base of the live view. For now it only keeps the
// interface mode that the key filter, the main window and the automatic
// shutter read.
class EGraphicsViewPrivate : public QGraphicsView
{
    Q_OBJECT
public:
    // 0 the normal live view, 1 the calibration menu or one of its pages.
    typedef int InterfaceMode_t;
    enum { NormalInterface = 0, CalibrationInterface = 1 };

    explicit EGraphicsViewPrivate(QWidget *parent = nullptr);

    InterfaceMode_t getInterfaceMode() const { return m_interfaceMode; }
    void setInterfaceMode(InterfaceMode_t mode) { m_interfaceMode = mode; }

private:
    InterfaceMode_t m_interfaceMode = NormalInterface;
};
