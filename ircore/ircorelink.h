#pragma once

class Serial;

// The core's own library and the front's serial link drive one core over
// one bus: only one of them may hold it. open() parks the serial link,
// then opens the library's link; a failed open gives the serial link back.
// close() closes the library's link, then gives the serial link back.
// Both are idempotent, so every way out of the core's screens may call
// close().
class IRCoreLink
{
public:
    static bool open();
    static void close();
    static bool isOpen();

private:
    IRCoreLink() = delete;
    static Serial *frontSerial();
};
