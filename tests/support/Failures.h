#pragma once

#include "errors/RuntimeError.h"

#include <functional>
#include <optional>

// The failure kind thrown by work, or nothing.
inline std::optional<Failure> failureOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const RuntimeError &error) {
        return error.kind();
    }
    return std::nullopt;
}
