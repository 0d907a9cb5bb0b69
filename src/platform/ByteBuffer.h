#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace fw {

// A heap block of bytes that is not zero-filled and never moves, so string_views into it stay
// valid while the buffer is moved between owners (a whole input file, or renumbered lines).
class ByteBuffer {
 public:
  ByteBuffer() = default;
  explicit ByteBuffer(std::size_t size)
      : m_data(size == 0 ? nullptr : std::make_unique_for_overwrite<char[]>(size)), m_size(size) {}

  char* data() { return m_data.get(); }
  const char* data() const { return m_data.get(); }
  std::size_t size() const { return m_size; }
  std::string_view view() const { return {m_data.get(), m_size}; }

  // Forgets the bytes past newSize (the block itself keeps its size).
  void Truncate(std::size_t newSize) {
    if (newSize < m_size)
      m_size = newSize;
  }

 private:
  std::unique_ptr<char[]> m_data;
  std::size_t m_size = 0;
};

}  // namespace fw
