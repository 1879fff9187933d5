// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startahead.h"

#include <thread>

namespace startahead {
namespace {
std::thread &worker()
{
    static std::thread t;
    return t;
}
} // namespace

void run(std::function<void()> work)
{
    await();
    worker() = std::thread(std::move(work));
}

void await()
{
    if (worker().joinable())
        worker().join();
}

} // namespace startahead
