#include "launcher/core/testing/free_record.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

// Filled by operator delete itself, so it never allocates: a fixed array.
constexpr std::size_t kCapacity = 4096;
const void* g_freed[kCapacity];
std::size_t g_count = 0;
bool g_recording = false;

} // namespace

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    if (g_recording && block && g_count < kCapacity)
        g_freed[g_count++] = block;
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}

FreeRecord::FreeRecord() {
    g_count = 0;
    g_recording = true;
}

FreeRecord::~FreeRecord() {
    g_recording = false;
}

std::vector<const void*> FreeRecord::FreedAmong(const std::vector<const void*>& candidates) const {
    const bool recording = g_recording;
    g_recording = false; // the answer's own allocations are not the test's
    std::vector<const void*> freed;
    for (std::size_t i = 0; i < g_count; ++i) {
        if (std::find(candidates.begin(), candidates.end(), g_freed[i]) != candidates.end())
            freed.push_back(g_freed[i]);
    }
    g_recording = recording;
    return freed;
}
