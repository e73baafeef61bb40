// Work run on a worker thread while the caller goes on. Where no thread can be started, the
// work runs when its result is first asked for, so it is never lost.
#pragma once

#include <future>
#include <system_error>

namespace mw {

template <typename Work> auto runAside(Work work) -> std::future<decltype(work())>
{
    try {
        return std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, work);
    }
}

} // namespace mw
