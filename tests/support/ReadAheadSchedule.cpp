#include "support/ReadAheadSchedule.h"

#include <algorithm>
#include <chrono>
#include <filesystem>

namespace fw::test {
namespace {

using namespace std::chrono_literals;

// A writer that makes no call for this long waits for the read ahead.
constexpr auto kQuiet = 200ms;
// A wait without any progress for this long is a fault: without it the test would hang.
constexpr auto kStuck = 20s;

bool Touches(std::initializer_list<std::string_view> names, const std::string& file) {
  return std::any_of(names.begin(), names.end(), [&](std::string_view name) {
    std::error_code error;
    return !name.empty() && std::filesystem::equivalent(std::filesystem::path(name), file, error) &&
           !error;
  });
}

}  // namespace

void ReadAheadSchedule::Hold(int start, int end, std::vector<int> callsAhead) {
  std::lock_guard lock(m_mutex);
  m_holding = true;
  m_start = start;
  m_end = end;
  m_bounds = std::move(callsAhead);
}

std::vector<int> ReadAheadSchedule::CallsAhead() const {
  std::lock_guard lock(m_mutex);
  std::vector<int> calls;
  for (const Ahead& ahead : m_aheads)
    calls.push_back(ahead.CallsAhead);
  return calls;
}

std::vector<std::string> ReadAheadSchedule::Faults() const {
  std::lock_guard lock(m_mutex);
  return m_faults;
}

void ReadAheadSchedule::Apart(const std::string& b) {
  std::lock_guard lock(m_mutex);
  if (!m_aheads.empty() && !m_aheads.back().Ended)
    Fault(b + " said apart while " + m_aheads.back().Name + " is read ahead");
  Ahead ahead;
  ahead.Name = b;
  ahead.Writer = std::this_thread::get_id();
  const std::size_t n = m_aheads.size();
  if (m_holding) {
    const int bound = n < m_bounds.size() ? m_bounds[n] : 0;
    ahead.Held = true;
    ahead.Start = std::min(m_start, bound);
    ahead.End = m_end == kUntilWriterWaits ? m_end : std::max(ahead.Start, std::min(m_end, bound));
  }
  m_aheads.push_back(ahead);
}

template <typename Done>
void ReadAheadSchedule::WaitFor(std::unique_lock<std::mutex>& lock, Done done, bool quietIsEnough) {
  auto still = std::chrono::steady_clock::duration::zero();
  while (!done()) {
    const long long events = m_events;
    if (m_changed.wait_for(lock, kQuiet) == std::cv_status::no_timeout || events != m_events) {
      still = {};
      continue;
    }
    still += kQuiet;
    // A writer inside a call may be retrying it, as a rename of a file held open does.
    if (quietIsEnough && m_writersInside == 0)
      return;
    if (still >= kStuck) {
      Fault("the calls stood still for 20 s");
      return;
    }
  }
}

bool ReadAheadSchedule::EnterRead(std::unique_lock<std::mutex>& lock, std::string_view what,
                                  std::initializer_list<std::string_view> names,
                                  std::ifstream& held) {
  if (what != "ReadFile" || m_aheads.empty() || m_aheads.back().Started ||
      *names.begin() != m_aheads.back().Name) {
    return false;
  }
  Ahead& ahead = m_aheads.back();
  if (std::this_thread::get_id() == ahead.Writer) {
    // No thread was to be had: the file is read at once, before anything else.
    ahead.Started = ahead.Ended = true;
    return false;
  }
  if (ahead.Held)
    WaitFor(
        lock, [&] { return ahead.WriterCalls >= ahead.Start; }, false);
  ahead.Started = true;
  ++m_events;
  m_changed.notify_all();
  lock.unlock();
  held.open(std::filesystem::path(ahead.Name), std::ios::binary);
  lock.lock();
  if (ahead.Held && ahead.End == kUntilWriterWaits)
    WaitFor(
        lock, [] { return false; }, true);
  else if (ahead.Held)
    WaitFor(
        lock, [&] { return ahead.WriterCalls >= ahead.End; }, false);
  return true;
}

void ReadAheadSchedule::EnterWrite(std::unique_lock<std::mutex>& lock, std::string_view what,
                                   std::initializer_list<std::string_view> names) {
  if (!m_aheads.empty()) {
    Ahead& ahead = m_aheads.back();
    const bool touches = (ahead.Counting || !ahead.Ended) && Touches(names, ahead.Name);
    if (touches)
      ahead.Counting = false;
    // Such a call goes ahead, to meet the file held open as it would on its own.
    if (touches && !ahead.Ended)
      Fault(std::string(what) + " touches " + ahead.Name + " while it is read ahead");
    if (ahead.Held && !touches) {
      WaitFor(
          lock,
          [&] {
            const bool mayStart = ahead.WriterCalls < ahead.Start || ahead.Started;
            const bool mayEnd = ahead.End == kUntilWriterWaits || ahead.WriterCalls < ahead.End;
            return ahead.Ended || (mayStart && mayEnd);
          },
          false);
    }
  }
  if (m_writersInside > 0)
    Fault(std::string(what) + " while another thread is inside a call");
  ++m_writersInside;
  ++m_events;
  m_changed.notify_all();
}

void ReadAheadSchedule::Leave(bool reading) {
  std::lock_guard lock(m_mutex);
  if (reading) {
    m_aheads.back().Ended = true;
  } else {
    --m_writersInside;
    if (!m_aheads.empty()) {
      Ahead& ahead = m_aheads.back();
      ++ahead.WriterCalls;
      if (ahead.Counting)
        ++ahead.CallsAhead;
    }
  }
  ++m_events;
  m_changed.notify_all();
}

ReadAheadSchedule::Call::Call(ReadAheadSchedule& schedule, std::string_view what,
                              std::initializer_list<std::string_view> names)
    : m_schedule(schedule) {
  std::unique_lock lock(schedule.m_mutex);
  m_reading = schedule.EnterRead(lock, what, names, m_held);
  if (!m_reading)
    schedule.EnterWrite(lock, what, names);
}

ReadAheadSchedule::Call::~Call() {
  m_held.close();
  m_schedule.Leave(m_reading);
}

}  // namespace fw::test
