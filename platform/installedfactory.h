#pragma once

#include <mutex>
#include <utility>

// The factory a seam hands out its device from: installed by the simulator
// or a test, empty by default (the seam then opens the real device).
template <typename Factory>
class InstalledFactory
{
public:
    Factory get()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_factory;
    }
    void install(Factory factory)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_factory = std::move(factory);
    }
    // The installed factory's product, else fallback().
    template <typename Fallback>
    auto make(Fallback fallback) -> decltype(fallback())
    {
        if (const Factory factory = get()) {
            if (auto product = factory())
                return product;
        }
        return fallback();
    }

private:
    std::mutex m_mutex;
    Factory m_factory;
};
