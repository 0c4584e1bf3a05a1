#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

// A large zero-filled array taken straight from the system, asking for
// 2 MiB pages where the kernel gives them on request: a grid of results
// takes tens of megabytes, and touching them page by page in 4 KiB pages
// costs more than the passes over them.
template <typename T>
class BigBuffer {
public:
    explicit BigBuffer(std::size_t count) : count_(count) {
        if (count == 0) return;
        bytes_ = count * sizeof(T) + HugePage;
        void* memory = mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) throw std::bad_alloc();
        memory_ = memory;
        // The huge pages start at the first 2 MiB boundary.
        const auto address = reinterpret_cast<std::uintptr_t>(memory);
        data_ = reinterpret_cast<T*>((address + HugePage - 1) / HugePage * HugePage);
#ifdef MADV_HUGEPAGE
        madvise(data_, count * sizeof(T), MADV_HUGEPAGE);
#endif
    }
    ~BigBuffer() {
        if (memory_ != nullptr) munmap(memory_, bytes_);
    }
    BigBuffer(BigBuffer&& other) noexcept
        : count_(other.count_), bytes_(other.bytes_), memory_(other.memory_), data_(other.data_) {
        other.memory_ = nullptr;
    }
    BigBuffer& operator=(BigBuffer&& other) noexcept {
        std::swap(count_, other.count_);
        std::swap(bytes_, other.bytes_);
        std::swap(memory_, other.memory_);
        std::swap(data_, other.data_);
        return *this;
    }
    BigBuffer(const BigBuffer&) = delete;
    BigBuffer& operator=(const BigBuffer&) = delete;

    T* data() { return data_; }
    const T* data() const { return data_; }
    std::size_t size() const { return count_; }

private:
    static constexpr std::size_t HugePage = std::size_t{2} << 20;
    std::size_t count_;
    std::size_t bytes_ = 0;
    void* memory_ = nullptr;
    T* data_ = nullptr;
};
