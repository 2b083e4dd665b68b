#pragma once

#include "ircorelibrary.h"

#include <QHash>
#include <QMutex>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class Serial;

// The infrared core as its library shows it, for the tests and the
// simulator. Every call but the open fails while the link is closed, and
// the open fails unless the front's serial link is parked (the two must
// never drive the core at once). Registers keep their widths; the K steps
// run only in their order (Init_ALL_K_Parameter starts again at any time);
// dead points count only once confirmed inside the core's 640 x 240
// picture. Every call is logged as "Name(arguments) = result", and any
// call can be made to fail on demand.
class SimIRCore : public IRCoreLibrary
{
public:
    enum { PictureWidth = 640, PictureHeight = 240 };
    enum KStep { KNone, KInitAll, KInitSht, KLow, KHigh, KCalculated };

    SimIRCore();

    // Where the open finds the front's serial link; without one it fails.
    void setSerialSource(std::function<Serial *()> source);
    // The next count calls of that name fail (-1: until cleared).
    void failCall(const QString &name, int count = -1);
    void clearFailures();

    QStringList log() const;
    // Only the names, in order.
    QStringList calls() const;
    void clearLog();

    bool isOpen() const;
    int vfid() const;
    int vsk() const;
    int intTime() const;
    int fir() const;
    int gain() const;
    bool heaterOn() const;
    void setADSum(uint32_t sum);
    KStep kStep() const;
    int kSaves() const;
    bool marking() const;
    QVector<QPoint> deadPoints() const;
    QStringList bufferCommands() const;

    // The simulated core the C functions of simircoreexports.cpp forward to.
    static void exportAsLibrary(SimIRCore *core);
    static SimIRCore *exported();

    int Ctl_EMIF_Open() override;
    int Ctl_EMIF_Close() override;
    int CtlReadVfid() override;
    int CtlReadVsk() override;
    int CtlReadINT_Time() override;
    int CtlReadCTIA_Gain() override;
    int CtlReadHeaterOnOff() override;
    int CtlSetVfid(uint16_t value) override;
    int CtlSetVsk(uint16_t value) override;
    int CtlSetINT_Time(uint16_t value) override;
    int CtlSetFIR(uint8_t value) override;
    int CtlSetCTIA_Gain(uint8_t value) override;
    int CtlHeaterOnOff(int on) override;
    uint32_t ReadADSum() override;
    int Init_ALL_K_Parameter() override;
    int Init_Sht_Parameter() override;
    int GetLowTemperature() override;
    int GetHighTemperature() override;
    int Calc_K_Parameter() override;
    int Save_K_Para(int n) override;
    int StartSetDeadPoint() override;
    int SetDeadPointXY(int x, int y) override;
    int SetDeadPointValid() override;
    int FinishSetDeadPoint() override;
    int SetFishBuffer() override;
    int SaveFishBuffer() override;
    int FilterFishBuffer() override;
    int SubFishBuffer() override;
    int CaptureFishBuffer() override;
    int ClearFishBuffer() override;

private:
    // Logs the call; false when it must fail (closed link or on demand).
    bool admit(const char *name, const QString &arguments = QString());
    int done(int result);
    int kStepTo(const char *name, KStep from, KStep to);
    int buffer(const char *name);

    mutable QMutex m_mutex;
    std::function<Serial *()> m_serialSource;
    QHash<QString, int> m_failures;
    QStringList m_log;
    QStringList m_calls;
    bool m_open = false;
    uint16_t m_vfid = 1780;
    uint16_t m_vsk = 1880;
    uint16_t m_intTime = 80;
    uint8_t m_fir = 15;
    uint8_t m_gain = 6;
    bool m_heater = false;
    uint32_t m_adSum = 0x01234567;
    KStep m_kStep = KNone;
    int m_kSaves = 0;
    bool m_marking = false;
    bool m_pointPending = false;
    QPoint m_pending;
    QVector<QPoint> m_deadPoints;
    QStringList m_bufferCommands;
};
