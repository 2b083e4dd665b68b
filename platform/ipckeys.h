#pragma once

#include <sys/types.h>

// System V keys come from here. On the device (root "/") a key is the one
// the peers agree on; under any other root it is mixed with the root, so
// tests running side by side never share a segment.
class IpcKeys
{
public:
    static key_t key(key_t deviceKey);
    // The device's keys whatever the root: for encoder-sim in the device
    // rig, whose peer runs at root "/" in an IPC namespace of their own.
    static void useDeviceKeys(bool use);

private:
    IpcKeys() = delete;
};
