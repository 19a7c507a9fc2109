// SPDX-License-Identifier: LicenseRef-Wrenhop
// The one instance of a type that main registered, behind the getInstance()
// accessors the program names. main owns the objects; a test registers its
// own for as long as it needs them.
#pragma once

#include <atomic>
#include <cassert>

template <typename T>
class Registration
{
public:
    // The earlier registration, if any, comes back when this one ends.
    explicit Registration(T& instance)
        : mPrevious(slot().exchange(&instance))
    {
    }
    ~Registration() { slot().store(mPrevious); }
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;

    // Null while nothing is registered.
    static T* current() { return slot().load(); }
    static T& instance()
    {
        T* const registered = current();
        assert(registered && "used before main registered it");
        return *registered;
    }

private:
    static std::atomic<T*>& slot()
    {
        static std::atomic<T*> registered{nullptr};
        return registered;
    }

    T* const mPrevious;
};
