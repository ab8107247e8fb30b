#pragma once
// Counts the calls one thread makes that may block it: the heap (malloc and its family, which
// C++'s operator new and FluidSynth's allocations both end in) and file reads (fopen, fread,
// read). The test executable that links blocking_calls.cpp replaces these for itself and every
// library it loads; under a sanitizer, whose runtime owns them, nothing is replaced and
// countingWorks() says so.
//
// One heap call is counted apart: FluidSynth, as Debian builds it, runs its reverb and chorus in
// an OpenMP region on every render call, and libgomp allocates and frees a one-thread team for
// each region. That pair is libgomp's own, the same size every time; nothing in our hands
// avoids it short of switching the effects off.

namespace verminadia::test {

struct BlockingCalls {
    long allocations = 0;  // malloc, calloc, realloc, the aligned forms
    long frees = 0;
    long fileReads = 0;                                             // fopen, fread, read
    long openmpTeams = 0;                                           // heap calls made by libgomp itself
    long total() const { return allocations + frees + fileReads; }  // all but openmpTeams
    BlockingCalls& operator+=(const BlockingCalls& c);
};

// True when this build really sees those calls.
bool countingWorks();

// Counts the calling thread's calls from construction on.
class CountBlockingCalls {
public:
    CountBlockingCalls();
    ~CountBlockingCalls();
    CountBlockingCalls(const CountBlockingCalls&) = delete;
    CountBlockingCalls& operator=(const CountBlockingCalls&) = delete;
    BlockingCalls result() const;

private:
    BlockingCalls start_;
};

}  // namespace verminadia::test
