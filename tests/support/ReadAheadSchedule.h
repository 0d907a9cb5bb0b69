#pragma once

#include <condition_variable>
#include <deque>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace fw::test {

// Places the read ahead of a file among the writer's calls of the file-system seam, where a test
// wants it, and checks what the seam asks of its callers: calls come from one thread at a time,
// except that a file MayBeOneFile said apart from the one being written may be read on another
// thread meanwhile, and no other call touches that file (under any of its names) until its read
// has ended. On Windows, where a file being read cannot be renamed, a break of that rule fails
// at random; a read held until the writer waits for it shows it every time, on any system.
//
// The read of a file said apart starts once the writer has made Start calls since, and ends once
// it has made End: while it lasts the file is held open, as a slow read would hold it, and the
// writer's next call waits for it (with Start == End the writer is held while the whole read
// runs). Every 0 <= Start <= End up to the calls the writer makes before it waits for the read
// (CallsAhead of a free run) gives every order of the two threads' calls.
class ReadAheadSchedule {
 public:
  // End for a read held until the writer goes quiet outside any call, waiting for it.
  static constexpr int kUntilWriterWaits = -1;

  // Holds every read ahead as above, the nth no later than callsAhead[n] (from a free run).
  void Hold(int start, int end, std::vector<int> callsAhead);

  // For each read ahead, the writer's calls after MayBeOneFile said its file was apart and before
  // the writer touched the file or said another file apart.
  std::vector<int> CallsAhead() const;

  // Every break of the rules above, described; empty when there was none.
  std::vector<std::string> Faults() const;

  // One call of the seam, from entering it (after any wait its place calls for) to leaving it.
  class Call {
   public:
    // Enters the call what, which touches the files names.
    Call(ReadAheadSchedule& schedule, std::string_view what,
         std::initializer_list<std::string_view> names);
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;
    ~Call();

   private:
    ReadAheadSchedule& m_schedule;
    bool m_reading = false;
    std::ifstream m_held;  // the file read ahead, open while its read lasts
  };

  // Notes that MayBeOneFile(a, b) said apart: b may now be read on another thread.
  void Apart(const std::string& b);

 private:
  // A file said apart, and how its read goes: it starts after Start of the writer's calls since
  // and ends after End of them.
  struct Ahead {
    std::string Name;
    std::thread::id Writer;  // the thread that said it apart
    bool Held = false;
    int Start = 0, End = 0;
    int WriterCalls = 0;  // the writer's calls ended since
    int CallsAhead = 0;   // those before it touched the file
    bool Counting = true, Started = false, Ended = false;
  };

  // Whether the call is the read ahead: then it enters once its place comes and is held.
  bool EnterRead(std::unique_lock<std::mutex>& lock, std::string_view what, std::string_view name,
                 std::ifstream& held);
  // Waits until done(), or until the calls stand still: for a short while outside any call when
  // quietIsEnough, else for long, which is a fault.
  void WaitFor(std::unique_lock<std::mutex>& lock, bool quietIsEnough,
               const std::function<bool()>& done);

  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<Ahead> m_aheads;  // the last one is the current one
  std::vector<int> m_bounds;   // from Hold
  bool m_holding = false;
  int m_start = 0, m_end = 0;
  int m_writersInside = 0;
  long long m_events = 0;  // calls entered and left, so that waits can tell progress
  std::vector<std::string> m_faults;
};

}  // namespace fw::test
