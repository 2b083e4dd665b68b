#pragma once

#include <QGraphicsView>
#include <QPointer>

class EUpdateEPCSInterface;

// The calibration-mode base of the live view. For now it keeps the
// interface mode that the key filter, the main window and the automatic
// shutter read, and the two entries the hardware keys call.
class EGraphicsViewPrivate : public QGraphicsView
{
    Q_OBJECT
public:
    // 0 the normal live view, 1 the calibration menu or one of its pages.
    typedef int InterfaceMode_t;
    enum { NormalInterface = 0, CalibrationInterface = 1 };

    explicit EGraphicsViewPrivate(QWidget *parent = nullptr);
    ~EGraphicsViewPrivate() override;

    InterfaceMode_t getInterfaceMode() const { return m_interfaceMode; }
    void setInterfaceMode(InterfaceMode_t mode) { m_interfaceMode = mode; }

    // The C key: enters (true asks for the access code) or leaves the
    // calibration interface. Nothing until the calibration screens exist.
    virtual void enterCalibInterface(bool askCode);
    // The E key: the configuration-flash update dialog, full screen; one
    // at a time.
    virtual void updateEPCS();
    EUpdateEPCSInterface *flashDialog() const;

private:
    InterfaceMode_t m_interfaceMode = NormalInterface;
    QPointer<EUpdateEPCSInterface> m_flashDialog;
};
