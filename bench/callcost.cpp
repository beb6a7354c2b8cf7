#include "callcost.h"

#include <atomic>
#include <cstddef>

#if defined(__GLIBC__)
#include <sys/resource.h>

// glibc lets a program replace malloc and its family; these forward to glibc's own after counting,
// so operator new, QImage and Qt's containers are all seen.
extern "C" {
void *__libc_malloc(size_t);
void *__libc_calloc(size_t, size_t);
void *__libc_realloc(void *, size_t);
void *__libc_memalign(size_t, size_t);
void __libc_free(void *);
}

static std::atomic<uint64_t> allocations{0};

extern "C" {
void *malloc(size_t n)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(n);
}
void *calloc(size_t n, size_t m)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(n, m);
}
void *realloc(void *p, size_t n)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, n);
}
void *memalign(size_t a, size_t n)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_memalign(a, n);
}
void *aligned_alloc(size_t a, size_t n) { return memalign(a, n); }
int posix_memalign(void **p, size_t a, size_t n)
{
    *p = memalign(a, n);
    return *p ? 0 : 12;  // ENOMEM
}
void free(void *p) { __libc_free(p); }
}

uint64_t AllocationCount() { return allocations.load(std::memory_order_relaxed); }

uint64_t MinorFaults()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return uint64_t(u.ru_minflt);
}
#else
// Elsewhere nothing is counted: the counters read 0.
uint64_t AllocationCount() { return 0; }
uint64_t MinorFaults() { return 0; }
#endif
