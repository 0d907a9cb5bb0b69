#pragma once

#include <system_error>
#include <thread>

namespace fw {

// Runs work on a thread of its own while the caller goes on with other work, or at once in the
// caller's thread when it is not worth a thread or no thread can be had. Wait(), or the
// destructor, returns when the work is done: whatever it wrote may be read from then on.
class WorkBeside {
 public:
  template <typename Work>
  explicit WorkBeside(const Work& work, bool worthAThread = true) {
    if (worthAThread) {
      try {
        // A copy, so that work is still whole if the thread cannot be made.
        m_thread = std::thread(work);
        return;
      } catch (const std::system_error&) {
        // No thread to be had: the work is done now, in this thread.
      }
    }
    work();
  }
  WorkBeside(const WorkBeside&) = delete;
  WorkBeside& operator=(const WorkBeside&) = delete;
  ~WorkBeside() { Wait(); }

  // Returns once the work is done.
  void Wait() {
    if (m_thread.joinable())
      m_thread.join();
  }

  // True while the work may still be running on its own thread.
  bool Beside() const { return m_thread.joinable(); }

 private:
  std::thread m_thread;
};

}  // namespace fw
