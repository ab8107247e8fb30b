#include "audio/system_libraries.h"

#include <dlfcn.h>

namespace verminadia::audio {

SystemLibrary::SystemLibrary(const char* soname) : soname_(soname) {
    handle_ = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();  // NOLINT(concurrency-mt-unsafe): glibc keeps its message per thread
        error_ = soname_ + " cannot be opened" + (why ? std::string(": ") + why : std::string());
    }
}

void* SystemLibrary::address(const char* name) {
    if (!error_.empty()) return nullptr;
    void* found = dlsym(handle_, name);
    if (!found) error_ = soname_ + " has no " + name;
    return found;
}

namespace {

template <class Functions>
struct Opened {
    Functions functions;
    std::string error;

    const Functions* use(std::string& why) const {
        if (error.empty()) return &functions;
        why = error;
        return nullptr;
    }
};

}  // namespace

#define VERMINADIA_FIND(name) library.find(opened.functions.name, #name);

const Sndfile* sndfile(std::string& error) {
    static const Opened<Sndfile> once = [] {
        Opened<Sndfile> opened;
        SystemLibrary library("libsndfile.so.1");
        VERMINADIA_SNDFILE_FUNCTIONS(VERMINADIA_FIND)
        opened.error = library.error();
        return opened;
    }();
    return once.use(error);
}

const Pulse* pulse(std::string& error) {
    static const Opened<Pulse> once = [] {
        Opened<Pulse> opened;
        SystemLibrary library("libpulse.so.0");
        VERMINADIA_PULSE_FUNCTIONS(VERMINADIA_FIND)
        opened.error = library.error();
        return opened;
    }();
    return once.use(error);
}

#undef VERMINADIA_FIND

}  // namespace verminadia::audio
