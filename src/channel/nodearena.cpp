#include "channel/nodearena.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <new>
#include <sys/mman.h>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define TIDEWELL_POISON(p, n) ASAN_POISON_MEMORY_REGION((p), (n))
#define TIDEWELL_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION((p), (n))
#else
#define TIDEWELL_POISON(p, n) ((void)(p), (void)(n))
#define TIDEWELL_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace tidewell::channel {

namespace {
constexpr size_t kHugePage = 2 * 1024 * 1024;
// The first chunk is small so that the many small trees (new channels, clipboard copies) stay small; the
// next ones are huge-page sized and double up to kLastChunk.
constexpr size_t kFirstChunk = 64 * 1024;
constexpr size_t kLastChunk = 16 * kHugePage;

// size bytes of fresh memory at a 2 MB boundary, advised for huge pages; plain pages when the kernel
// refuses the advice; nullptr when there is no memory.
char *mapHuge(size_t size) {
    void *raw = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) {
        return nullptr;
    }
    char *const start = static_cast<char *>(raw);
    char *const aligned =
        reinterpret_cast<char *>((reinterpret_cast<uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1));
    if (aligned > start) {
        munmap(start, size_t(aligned - start));
    }
    const size_t tail = size_t(start + size + kHugePage - (aligned + size));
    if (tail > 0) {
        munmap(aligned + size, tail);
    }
    madvise(aligned, size, MADV_HUGEPAGE); // only advice: without huge pages the chunk still works
    return aligned;
}
} // namespace

NodeArena::NodeArena(NodeArena &&other) noexcept
    : m_chunks(std::move(other.m_chunks)), m_next(std::exchange(other.m_next, nullptr)),
      m_end(std::exchange(other.m_end, nullptr)), m_free(std::exchange(other.m_free, {})),
      m_heap(std::exchange(other.m_heap, nullptr)), m_heapBytes(std::exchange(other.m_heapBytes, 0)) {
    other.m_chunks.clear();
}

NodeArena &NodeArena::operator=(NodeArena &&other) noexcept {
    if (this != &other) {
        releaseAll();
        m_chunks = std::move(other.m_chunks);
        other.m_chunks.clear();
        m_next = std::exchange(other.m_next, nullptr);
        m_end = std::exchange(other.m_end, nullptr);
        m_free = std::exchange(other.m_free, {});
        m_heap = std::exchange(other.m_heap, nullptr);
        m_heapBytes = std::exchange(other.m_heapBytes, 0);
    }
    return *this;
}

size_t NodeArena::blockSize(size_t bytes) {
    if (bytes <= 256) {
        return bytes <= 8 ? 8 : (bytes + 7) & ~size_t(7);
    }
    return bytes <= kMaxBlock ? std::bit_ceil(bytes) : bytes;
}

size_t NodeArena::classOf(size_t blockBytes) {
    return blockBytes <= 256 ? blockBytes / 8 - 1 : 32 + size_t(std::countr_zero(blockBytes)) - 9;
}

void *NodeArena::allocate(size_t bytes) {
    const size_t size = blockSize(bytes);
    if (size > kMaxBlock) {
        auto *block = static_cast<HeapBlock *>(::operator new(sizeof(HeapBlock) + size));
        *block = {nullptr, m_heap, size};
        if (m_heap) {
            m_heap->prev = block;
        }
        m_heap = block;
        m_heapBytes += size;
        return block + 1;
    }
    void *&head = m_free[classOf(size)];
    if (head) {
        void *block = head;
        head = *static_cast<void **>(block); // the link word stays readable while the block is free
        TIDEWELL_UNPOISON(block, size);
        return block;
    }
    if (size_t(m_end - m_next) < size) {
        addChunk(size);
    }
    void *block = m_next;
    m_next += size;
    TIDEWELL_UNPOISON(block, size);
    return block;
}

void NodeArena::release(void *block, size_t bytes) noexcept {
    if (!block) {
        return;
    }
    const size_t size = blockSize(bytes);
    if (size > kMaxBlock) {
        HeapBlock *const heapBlock = static_cast<HeapBlock *>(block) - 1;
        (heapBlock->prev ? heapBlock->prev->next : m_heap) = heapBlock->next;
        if (heapBlock->next) {
            heapBlock->next->prev = heapBlock->prev;
        }
        m_heapBytes -= heapBlock->size;
        ::operator delete(heapBlock);
        return;
    }
    void *&head = m_free[classOf(size)];
    *static_cast<void **>(block) = head;
    head = block;
    TIDEWELL_POISON(static_cast<char *>(block) + sizeof(void *), size - sizeof(void *));
}

void NodeArena::addChunk(size_t minBytes) {
    size_t size = kFirstChunk;
    if (!m_chunks.empty()) {
        size = std::min(std::max(m_chunks.back().size * 2, kHugePage), kLastChunk);
    }
    size = std::max(size, minBytes);
    m_chunks.reserve(m_chunks.size() + 1); // may throw; nothing is mapped yet
    char *base = size >= kHugePage ? mapHuge(size)
                                   : static_cast<char *>(mmap(nullptr, size, PROT_READ | PROT_WRITE,
                                                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    if (!base || base == MAP_FAILED) {
        throw std::bad_alloc();
    }
    TIDEWELL_POISON(base, size);
    m_chunks.push_back({base, size});
    m_next = base;
    m_end = base + size;
}

void NodeArena::releaseAll() noexcept {
    for (const Chunk &chunk : m_chunks) {
        // Shadow memory must not stay poisoned for whatever is mapped at these addresses later.
        TIDEWELL_UNPOISON(chunk.base, chunk.size);
        munmap(chunk.base, chunk.size);
    }
    m_chunks.clear();
    m_next = m_end = nullptr;
    m_free.fill(nullptr);
    while (m_heap) {
        ::operator delete(std::exchange(m_heap, m_heap->next));
    }
    m_heapBytes = 0;
}

size_t NodeArena::usedBytes() const {
    size_t total = 0;
    for (const Chunk &chunk : m_chunks) {
        total += chunk.size;
    }
    return total - size_t(m_end - m_next);
}

} // namespace tidewell::channel
