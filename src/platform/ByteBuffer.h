#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

namespace fw {

// A block of bytes that never moves, so string_views into it stay valid while the buffer is moved
// between owners: a whole input file (read into the heap, or mapped read-only from the system's
// cache), or renumbered lines. Heap blocks are not zero-filled.
class ByteBuffer {
 public:
  // How bytes that the buffer did not allocate itself are given back.
  using Release = void (*)(const char* data, std::size_t size) noexcept;

  ByteBuffer() = default;
  explicit ByteBuffer(std::size_t size)
      : m_data(size == 0 ? nullptr : new char[size]), m_size(size), m_extent(size) {}

  // Takes over read-only bytes, handed to release when the buffer goes.
  static ByteBuffer Adopt(const char* data, std::size_t size, Release release) {
    ByteBuffer buffer;
    buffer.m_data = const_cast<char*>(data);
    buffer.m_size = size;
    buffer.m_extent = size;
    buffer.m_release = release;
    return buffer;
  }

  ByteBuffer(ByteBuffer&& other) noexcept
      : m_data(std::exchange(other.m_data, nullptr)),
        m_size(std::exchange(other.m_size, 0)),
        m_extent(std::exchange(other.m_extent, 0)),
        m_release(std::exchange(other.m_release, nullptr)) {}
  ByteBuffer& operator=(ByteBuffer&& other) noexcept {
    ByteBuffer moved(std::move(other));
    std::swap(m_data, moved.m_data);
    std::swap(m_size, moved.m_size);
    std::swap(m_extent, moved.m_extent);
    std::swap(m_release, moved.m_release);
    return *this;
  }
  ByteBuffer(const ByteBuffer&) = delete;
  ByteBuffer& operator=(const ByteBuffer&) = delete;
  ~ByteBuffer() {
    if (m_release != nullptr)
      m_release(m_data, m_extent);
    else
      delete[] m_data;
  }

  // Writable only for a buffer made with a size: adopted bytes are read-only.
  char* data() { return m_data; }
  const char* data() const { return m_data; }
  std::size_t size() const { return m_size; }
  std::string_view view() const { return {m_data, m_size}; }

  // Forgets the bytes past newSize (the block itself keeps its size).
  void Truncate(std::size_t newSize) {
    if (newSize < m_size)
      m_size = newSize;
  }

 private:
  char* m_data = nullptr;
  std::size_t m_size = 0;
  std::size_t m_extent = 0;  // what was allocated or adopted
  Release m_release = nullptr;
};

}  // namespace fw
