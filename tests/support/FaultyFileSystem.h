#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <string>

#include "platform/FileSystem.h"
#include "support/ReadAheadSchedule.h"

namespace fw::test {

// The steps of the file-system seam that a test can make fail.
enum class FileStep { ReadFile, CreateTempFile, LinkTempFile, Write, FlushAndClose, ReplaceTarget };

// Passes every call to a real file system, except the one call of a step that the test chose to
// fail: that call fails the way the operating system would, with `... "NAME": REASON`, REASON
// being the system's text for the chosen error number. A failing Write
// writes half its bytes first, a failing FlushAndClose closes the file first, so that a
// half-written temporary file is really on disk. Every call passes through Schedule(), which can
// place a read ahead among the writer's calls and checks the rules of the seam on threads.
class FaultyFileSystem final : public FileSystem {
 public:
  explicit FaultyFileSystem(FileSystem& inner = NativeFileSystem()) : m_inner(inner) {}

  // Makes the nth call (counted from 1) of step fail with the reason of errno value error; nth 0
  // lets every call pass.
  void FailAt(FileStep step, int nth, int error) {
    m_failAt[Index(step)] = nth;
    m_error = error;
  }

  // How many calls of step were made so far, the failed one included.
  int Calls(FileStep step) const { return m_calls[Index(step)]; }

  // Runs before each ReadFile, on the reading thread, with the name to be read.
  std::function<void(const std::string& path)> BeforeRead;

  // The order of reads ahead and writes, and what broke the seam's rules on threads.
  ReadAheadSchedule& Schedule() { return m_schedule; }

  Result<ByteBuffer> ReadFile(const std::string& path) override;
  Result<TempFile> CreateTempFile(const std::string& target,
                                  const std::string& permissionsFrom) override;
  Result<TempFile> LinkTempFile(const std::string& source, const std::string& target) override;
  bool MayBeOneFile(const std::string& a, const std::string& b) override;
  Result<void> Write(TempFile& file, std::string_view bytes) override;
  Result<void> FlushAndClose(TempFile& file) override;
  Result<void> ReplaceTarget(TempFile& file) override;
  void Discard(TempFile& file) noexcept override;

 private:
  static constexpr std::size_t kSteps = 6;
  static std::size_t Index(FileStep step) { return static_cast<std::size_t>(step); }
  // Runs inner inside the schedule's call of step on names, except for the call chosen to fail:
  // that one runs beforeFailing and fails as failing (such as "cannot write") on shown.
  template <typename Inner>
  auto Pass(FileStep step, std::initializer_list<std::string_view> names, std::string_view failing,
            std::string_view shown, Inner inner, const std::function<void()>& beforeFailing = {})
      -> decltype(inner());

  FileSystem& m_inner;
  std::array<int, kSteps> m_failAt{};
  // A file may be read on one thread while another is written on another.
  std::array<std::atomic<int>, kSteps> m_calls{};
  int m_error = 0;
  ReadAheadSchedule m_schedule;
};

// The description a failing step gives: what failed, the quoted name and the reason of error.
std::string InjectedFault(std::string_view what, std::string_view name, int error);

}  // namespace fw::test
