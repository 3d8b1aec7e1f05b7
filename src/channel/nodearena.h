#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace tidewell::channel {

// The memory of one ChannelTree's nodes and child pointer arrays. Big channel trees hold hundreds of
// thousands of small nodes; one malloc per node and the first-touch page faults of fresh 4 KB pages
// dominated building them. The arena hands out small blocks from large chunks obtained with mmap (2 MB
// aligned and advised for transparent huge pages, so one fault maps 2 MB), keeps freed blocks on a free
// list per size for reuse, and unmaps every chunk at once when the tree is cleared. Blocks too big for a
// chunk (child arrays of more than 8,192 entries) come from the heap, and the arena owns them as well:
// releaseAll() frees whatever was not released one by one. It never runs destructors: the tree destroys
// its nodes before it releases their memory.
class NodeArena final {
public:
    // Blocks up to this size come from the chunks; bigger ones (huge child arrays) from the heap.
    static constexpr size_t kMaxBlock = 64 * 1024;

    NodeArena() = default;
    ~NodeArena() { releaseAll(); }
    NodeArena(NodeArena &&other) noexcept;
    NodeArena &operator=(NodeArena &&other) noexcept;
    NodeArena(const NodeArena &) = delete;
    NodeArena &operator=(const NodeArena &) = delete;

    // The size of the block allocate(bytes) hands out: a multiple of 8 up to 256 bytes, a power of two up
    // to kMaxBlock, the size itself above. Callers may use the whole block.
    static size_t blockSize(size_t bytes);
    // A block of blockSize(bytes) bytes, 8-aligned; throws std::bad_alloc when no memory is left.
    void *allocate(size_t bytes);
    // Gives back a block from allocate(bytes) with the same bytes.
    void release(void *block, size_t bytes) noexcept;
    // Unmaps every chunk and frees every heap block; every block handed out is invalid afterwards.
    void releaseAll() noexcept;
    // Bytes of the chunks handed out so far (the untouched rest of the current chunk not counted).
    size_t usedBytes() const;
    // Bytes of the heap blocks not yet released.
    size_t heapBytes() const { return m_heapBytes; }

private:
    struct Chunk {
        char *base;
        size_t size;
    };
    // Precedes every heap block: the arena keeps them in a list so that none can outlive it.
    struct alignas(16) HeapBlock {
        HeapBlock *prev;
        HeapBlock *next;
        size_t size;
    };
    static size_t classOf(size_t blockBytes);
    void addChunk(size_t minBytes);

    static constexpr size_t kClasses = 32 + 8; // 8..256 in steps of 8, then 512..64 KB in powers of two
    std::vector<Chunk> m_chunks;
    char *m_next = nullptr;
    char *m_end = nullptr;
    std::array<void *, kClasses> m_free{};
    HeapBlock *m_heap = nullptr;
    size_t m_heapBytes = 0;
};

} // namespace tidewell::channel
