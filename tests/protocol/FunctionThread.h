#pragma once

#include <juce_core/juce_core.h>

#include <functional>

// A juce::Thread that runs one function, as the protocol thread runs its update.
class FunctionThread  : public juce::Thread
{
public:
    explicit FunctionThread (std::function<void (FunctionThread&)> f)
        : juce::Thread ("Protocol Thread"), function (std::move (f))
    {
    }

    ~FunctionThread() override
    {
        stopThread (2000);
    }

    void run() override
    {
        function (*this);
    }

private:
    std::function<void (FunctionThread&)> function;
};
