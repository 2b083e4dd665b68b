#pragma once

#include <memory>
#include <mutex>

// The one process-wide object a seam hands out: installed by main, the
// simulator or a test, else made on first use by the seam's default.
template <typename Interface>
class InstalledInstance
{
public:
    template <typename MakeDefault>
    Interface *get(MakeDefault makeDefault)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_instance)
            m_instance.reset(makeDefault());
        return m_instance.get();
    }
    // Takes ownership; the one it replaces is deleted.
    void install(Interface *instance)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_instance.reset(instance);
    }

private:
    std::mutex m_mutex;
    std::unique_ptr<Interface> m_instance;
};
