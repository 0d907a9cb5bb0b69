#pragma once

#include <cstddef>
#include <limits>
#include <memory>
#include <new>

namespace fw {

// Room for at least `bytes` bytes, laid on huge pages where the system gives them on request
// (Linux), so that filling a table of many megabytes takes a page fault per 2 MiB rather than per
// 4 KiB. Throws std::bad_alloc when there is no room. Given back with FreeLargeBlock.
void* AllocateLargeBlock(std::size_t bytes);
void FreeLargeBlock(void* block, std::size_t bytes) noexcept;

// An allocator for the containers of a whole file's lines: blocks of a few megabytes and more
// come from AllocateLargeBlock, smaller ones from the heap.
template <typename T>
class LargeBlockAllocator {
 public:
  using value_type = T;

  LargeBlockAllocator() = default;
  template <typename U>
  explicit LargeBlockAllocator(const LargeBlockAllocator<U>&) {}

  T* allocate(std::size_t count) {
    if (count > std::numeric_limits<std::size_t>::max() / sizeof(T))
      throw std::bad_array_new_length();
    if (IsLarge(count))
      return static_cast<T*>(AllocateLargeBlock(count * sizeof(T)));
    return std::allocator<T>().allocate(count);
  }
  void deallocate(T* block, std::size_t count) noexcept {
    if (IsLarge(count))
      FreeLargeBlock(block, count * sizeof(T));
    else
      std::allocator<T>().deallocate(block, count);
  }

  friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) = default;

 private:
  static bool IsLarge(std::size_t count) { return count * sizeof(T) >= (std::size_t{1} << 20); }
};

}  // namespace fw
