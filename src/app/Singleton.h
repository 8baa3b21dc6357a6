#pragma once

#include <cstdlib>
#include <new>

/// The one process-wide instance of a manager type. Built on first use and
/// destroyed by the C run time at exit, in reverse order of creation, so that
/// managers created early (the registry) outlive those that use them.
template <class T>
class Singleton final {
public:
    static T& instance()
    {
        if (!constructed) {
            new (storage) T();
            constructed = true;
            std::atexit(destroy);
        }
        return *reinterpret_cast<T*>(storage);
    }

private:
    static void destroy()
    {
        reinterpret_cast<T*>(storage)->~T();
        constructed = false;
    }

    // Zero-initialised static storage: the input state relies on starting at 0.
    alignas(T) static inline unsigned char storage[sizeof(T)] = {};
    static inline bool constructed = false;
};
