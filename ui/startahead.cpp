// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startahead.h"

#include <QThread>

#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>
#include <utility>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <pthread.h>
#include <sched.h>
#include <sys/mman.h>
#include <unistd.h>
#define KONDRIX_WARM_HEAP 1
#define KONDRIX_PLACE_WORKER 1
#endif

namespace startahead {
namespace {
struct Worker
{
    std::thread thread;
    std::mutex mutex;
    std::condition_variable changed;
    bool busy = false;
    bool applicationMade = false;
    bool ending = false;
    char *heapFrom = nullptr;
    char *heapTo = nullptr;
#ifdef KONDRIX_PLACE_WORKER
    cpu_set_t cores;   // the caller's, which the worker gets back once running
    bool moved = false;
#endif

    ~Worker() { end(); }

    void end()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            ending = true;
        }
        changed.notify_all();
        if (thread.joinable())
            thread.join();
        std::lock_guard<std::mutex> lock(mutex);
        ending = false;
        busy = false;
    }
};

Worker &worker()
{
    static Worker w;
    return w;
}

#ifdef KONDRIX_PLACE_WORKER
// Linux may queue a new thread on its creator's core, where it waits for the
// creator's time slice to end (4 ms on a two-core machine here) while the
// other core idles. Moved before it first runs, it starts at once; it then
// takes back every core the caller may use (workerRuns), so that nothing it
// starts inherits the narrower set. With the worker mutex held.
void startElsewhere(Worker &w)
{
    if (sched_getaffinity(0, sizeof w.cores, &w.cores) != 0 || CPU_COUNT(&w.cores) < 2)
        return;
    const int here = sched_getcpu();
    if (here < 0 || here >= CPU_SETSIZE || !CPU_ISSET(here, &w.cores))
        return;
    cpu_set_t others = w.cores;
    CPU_CLR(here, &others);
    w.moved = pthread_setaffinity_np(w.thread.native_handle(), sizeof others, &others) == 0;
}
#endif

// First thing on the worker.
void workerRuns([[maybe_unused]] Worker &w)
{
#ifdef KONDRIX_PLACE_WORKER
    std::lock_guard<std::mutex> lock(w.mutex);
    if (std::exchange(w.moved, false))
        pthread_setaffinity_np(pthread_self(), sizeof w.cores, &w.cores);
#endif
}

#ifdef KONDRIX_WARM_HEAP
int trimThreshold = 0;   // the one to have once the heap is warm

// Changes no byte: the pages are made present and writable, then read once so
// that a hypervisor's shadow tables learn them too. The main thread may be
// writing them meanwhile; a read cannot disturb that, and the heap is not
// given back before the warming is done (see reserveHeap).
__attribute__((no_sanitize("address", "thread"))) void warm(char *from, char *to)
{
    const long page = sysconf(_SC_PAGESIZE);
    if (page <= 0 || to <= from)
        return;
    const quintptr mask = quintptr(page) - 1;
    from = reinterpret_cast<char *>((reinterpret_cast<quintptr>(from) + mask) & ~mask);
    if (to <= from || madvise(from, size_t(to - from), 23 /* MADV_POPULATE_WRITE, Linux 5.14 */) != 0)
        return;
    for (const char *p = from; p < to; p += page)
        (void)__atomic_load_n(p, __ATOMIC_RELAXED);
}
#endif
} // namespace

void reserveHeap(std::size_t bytes)
{
#ifdef KONDRIX_WARM_HEAP
    // Large blocks from the heap rather than mappings of their own, so that
    // the warmed pages are the ones used; and no heap given back while the
    // worker reads it (it restores the trim threshold when done).
    if (bytes == 0 || bytes > (1u << 28) || mallopt(M_MMAP_THRESHOLD, int(bytes)) != 1
        || mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max()) != 1)
        return;
    trimThreshold = int(4 * bytes);
    char *from = static_cast<char *>(sbrk(0));
    // volatile: the compiler would drop a block that is freed unused.
    void *volatile block = malloc(bytes - bytes / 8);
    free(block);
    char *to = static_cast<char *>(sbrk(0));
    if (from != reinterpret_cast<char *>(-1) && to != reinterpret_cast<char *>(-1) && to > from) {
        worker().heapFrom = from;
        worker().heapTo = to;
    } else {
        mallopt(M_TRIM_THRESHOLD, trimThreshold);
    }
#else
    (void)bytes;
#endif
}

void run(std::function<void()> work, std::function<void()> withApplication)
{
    Worker &w = worker();
    w.end();
    // Qt takes the first thread that touches a QObject as its main thread;
    // before QApplication exists, that could be the worker (QFile).
    QThread::currentThread();
    w.busy = true;
    // Held until the worker is placed; it takes the lock before anything else.
    std::unique_lock<std::mutex> placing(w.mutex);
    w.thread = std::thread([&w, work = std::move(work), then = std::move(withApplication)] {
        workerRuns(w);
        work();
        std::unique_lock<std::mutex> lock(w.mutex);
        w.busy = false;
        w.changed.notify_all();
#ifdef KONDRIX_WARM_HEAP
        char *from = std::exchange(w.heapFrom, nullptr);
        char *to = std::exchange(w.heapTo, nullptr);
        lock.unlock();
        warm(from, to);
        if (from)
            mallopt(M_TRIM_THRESHOLD, trimThreshold);
        lock.lock();
#endif
        if (!then)
            return;
        w.changed.wait(lock, [&w] { return w.applicationMade || w.ending; });
        if (w.ending)
            return;
        lock.unlock();
        then();
    });
#ifdef KONDRIX_PLACE_WORKER
    startElsewhere(w);
#endif
}

void applicationMade()
{
    Worker &w = worker();
    {
        std::lock_guard<std::mutex> lock(w.mutex);
        w.applicationMade = true;
    }
    w.changed.notify_all();
}

void await()
{
    Worker &w = worker();
    std::unique_lock<std::mutex> lock(w.mutex);
    w.changed.wait(lock, [&w] { return !w.busy; });
}

void finish()
{
    worker().end();
}

} // namespace startahead
