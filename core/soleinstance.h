#pragma once

// The one registered object of an interface the screens reach each other
// through (the main menu, the live view as tips or readings host, …): the
// object registers itself when built, instance() is null without one, and
// an object deleted while registered takes itself out.
template <class Interface>
class SoleInstance
{
public:
    static void setInstance(Interface *object) { s_instance = object; }
    static Interface *instance() { return s_instance; }

protected:
    ~SoleInstance()
    {
        if (s_instance && static_cast<SoleInstance *>(s_instance) == this)
            s_instance = nullptr;
    }

private:
    static inline Interface *s_instance = nullptr;
};
