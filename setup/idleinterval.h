#pragma once

// The idle interval after which the screen saver starts, from the stored
// screen-off period (milliseconds) and power-off period (seconds): the
// screen-off period when one is set, else powerOffOnlyMs when only a
// power-off period is set (the saver then counts that down itself), else 0,
// the screen saver off. A period of 0 or below means off.
int idleIntervalMs(int closeScreenMs, int shutdownS, int powerOffOnlyMs = 60000);

// The same from "CloseScreenPeriod" and "ShutdownPeriod" in
// "Parameter/Setting", each read once; a missing value or one that is not
// a whole number means off.
int storedIdleIntervalMs(int powerOffOnlyMs = 60000);
