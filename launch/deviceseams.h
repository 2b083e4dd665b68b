#pragma once

// The camera's side of the seams that start on a stand-in: the path root
// "/", the command runner that runs programs (ProcessCommandRunner) and the
// host's clock (HostClock). Every other seam (board registers, the core's
// serial line and library, GPIO/PWM, ADC, clock chip, sound, card and USB
// detect, the encoder service's pipes and shared memory, the frame buffer)
// opens the real device at its path whenever no simulated factory is
// installed, and on the camera nothing installs one. Only after
// DeviceNodes::confirm().
class DeviceSeams
{
public:
    // False, with the reason on stderr and nothing installed, when the
    // environment asks for another root than "/" (OSTREL_ROOT is the
    // simulator's).
    static bool install(const char *program);

private:
    DeviceSeams() = delete;
};
