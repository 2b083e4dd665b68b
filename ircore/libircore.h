#ifndef LIBIRCORE_H
#define LIBIRCORE_H

/* The infrared core's own library: plain functions, called from the GUI
 * thread only, between Ctl_EMIF_Open() and Ctl_EMIF_Close().
 *
 * Reads return the register's value (never negative when the core
 * answered) and ReadADSum() the 32-bit AD sum; every other call returns
 * 0 when done and anything else when the core refused or did not answer. */

#ifdef __cplusplus
extern "C" {
#endif

int Ctl_EMIF_Open(void);
int Ctl_EMIF_Close(void);

int CtlReadVfid(void);
int CtlReadVsk(void);
int CtlReadINT_Time(void);
int CtlReadCTIA_Gain(void);
int CtlReadHeaterOnOff(void);

int CtlSetVfid(unsigned short value);
int CtlSetVsk(unsigned short value);
int CtlSetINT_Time(unsigned short value);
int CtlSetFIR(unsigned char value);
int CtlSetCTIA_Gain(unsigned char value);
int CtlHeaterOnOff(int on);

unsigned int ReadADSum(void);

int Init_ALL_K_Parameter(void);
int Init_Sht_Parameter(void);
int GetLowTemperature(void);
int GetHighTemperature(void);
int Calc_K_Parameter(void);
int Save_K_Para(int n);

int StartSetDeadPoint(void);
int SetDeadPointXY(int x, int y);
int SetDeadPointValid(void);
int FinishSetDeadPoint(void);

int SetFishBuffer(void);
int SaveFishBuffer(void);
int FilterFishBuffer(void);
int SubFishBuffer(void);
int CaptureFishBuffer(void);
int ClearFishBuffer(void);

#ifdef __cplusplus
}
#endif

#endif
