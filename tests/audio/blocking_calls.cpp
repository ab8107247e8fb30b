#include "blocking_calls.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <sys/types.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VERMINADIA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define VERMINADIA_SANITIZED 1
#endif
#endif

namespace {
// Static TLS of the executable: reading it never allocates, even in a thread's first call.
thread_local int depth = 0;
thread_local verminadia::test::BlockingCalls calls;
}  // namespace

#ifndef VERMINADIA_SANITIZED
namespace {
// Every counted call passes here: a debugger's breakpoint on it shows who made the call.
[[gnu::noinline]] void counted(long& counter) {
    ++counter;
    asm volatile("");
}

// Where libgomp's code lies, found before main (it comes in with FluidSynth); empty without it.
struct Range {
    std::uintptr_t begin = 0, end = 0;
    bool holds(const void* p) const {
        const auto a = reinterpret_cast<std::uintptr_t>(p);
        return a >= begin && a < end;
    }
};
Range findLibgomp() {
    Range r;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            if (!info->dlpi_name || !std::strstr(info->dlpi_name, "/libgomp.so")) return 0;
            auto& range = *static_cast<Range*>(data);
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& h = info->dlpi_phdr[i];
                if (h.p_type != PT_LOAD || !(h.p_flags & PF_X)) continue;
                range.begin = info->dlpi_addr + h.p_vaddr;
                range.end = range.begin + h.p_memsz;
            }
            return 1;
        },
        &r);
    return r;
}
const Range libgomp = findLibgomp();

// libgomp frees its team by a tail call, from wherever its region was opened: its blocks are
// known by their addresses instead.
thread_local std::array<void*, 8> libgompBlocks{};
thread_local std::size_t libgompNext = 0;

void* allocated(const void* caller, void* p) {
    if (!depth) return p;
    if (libgomp.holds(caller)) {
        counted(calls.openmpTeams);
        libgompBlocks[libgompNext++ % libgompBlocks.size()] = p;
    } else {
        counted(calls.allocations);
    }
    return p;
}

void freed(void* p) {
    if (!depth || !p) return;
    for (void*& b : libgompBlocks)
        if (b == p) {
            b = nullptr;
            counted(calls.openmpTeams);
            return;
        }
    counted(calls.frees);
}

using Fopen = FILE* (*)(const char*, const char*);
using Fread = std::size_t (*)(void*, std::size_t, std::size_t, FILE*);
using Read = ssize_t (*)(int, void*, std::size_t);
template <typename F>
F next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
Fopen realFopen() {
    static const Fopen f = next<Fopen>("fopen");
    return f;
}
Fread realFread() {
    static const Fread f = next<Fread>("fread");
    return f;
}
Read realRead() {
    static const Read f = next<Read>("read");
    return f;
}
// Looked up before main, so that no lookup lands in a counted stretch.
[[maybe_unused]] const bool lookedUp = realFopen() && realFread() && realRead();
}  // namespace

// glibc's own allocator under its exported names: ours only count and pass the call on. The
// names are glibc's, reserved as they are.
// NOLINTBEGIN(bugprone-reserved-identifier)
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* p);
// NOLINTEND(bugprone-reserved-identifier)

void* malloc(std::size_t size) { return allocated(__builtin_return_address(0), __libc_malloc(size)); }
void* calloc(std::size_t count, std::size_t size) {
    return allocated(__builtin_return_address(0), __libc_calloc(count, size));
}
void* realloc(void* p, std::size_t size) {
    freed(p);
    return allocated(__builtin_return_address(0), __libc_realloc(p, size));
}
void free(void* p) {
    freed(p);
    __libc_free(p);
}
void* memalign(std::size_t alignment, std::size_t size) {
    return allocated(__builtin_return_address(0), __libc_memalign(alignment, size));
}
void* aligned_alloc(std::size_t alignment, std::size_t size) {
    return allocated(__builtin_return_address(0), __libc_memalign(alignment, size));
}
int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
    void* p = allocated(__builtin_return_address(0), __libc_memalign(alignment, size));
    if (!p) return 12;  // ENOMEM
    *out = p;
    return 0;
}

FILE* fopen(const char* path, const char* mode) {
    if (depth) counted(calls.fileReads);
    return realFopen()(path, mode);
}
std::size_t fread(void* to, std::size_t size, std::size_t count, FILE* file) {
    if (depth) counted(calls.fileReads);
    return realFread()(to, size, count, file);
}
ssize_t read(int fd, void* to, std::size_t count) {
    if (depth) counted(calls.fileReads);
    return realRead()(fd, to, count);
}
}
#endif

namespace verminadia::test {

bool countingWorks() {
#ifdef VERMINADIA_SANITIZED
    return false;
#else
    // Through a volatile pointer, so that the compiler cannot drop the pair.
    void* (*volatile allocate)(std::size_t) = std::malloc;
    CountBlockingCalls count;
    std::free(allocate(16));
    return count.result().allocations == 1 && count.result().frees == 1;
#endif
}

CountBlockingCalls::CountBlockingCalls() : start_(calls) { ++depth; }

CountBlockingCalls::~CountBlockingCalls() { --depth; }

BlockingCalls CountBlockingCalls::result() const {
    return {calls.allocations - start_.allocations, calls.frees - start_.frees, calls.fileReads - start_.fileReads,
            calls.openmpTeams - start_.openmpTeams};
}

BlockingCalls& BlockingCalls::operator+=(const BlockingCalls& c) {
    allocations += c.allocations;
    frees += c.frees;
    fileReads += c.fileReads;
    openmpTeams += c.openmpTeams;
    return *this;
}

}  // namespace verminadia::test
