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
    m_faults.push_back(b + " said apart while " + m_aheads.back().Name + " is read ahead");
  Ahead& ahead = m_aheads.emplace_back();
  ahead.Name = b;
  ahead.Writer = std::this_thread::get_id();
  const std::size_t n = m_aheads.size() - 1;
  if (m_holding) {
    const int bound = n < m_bounds.size() ? m_bounds[n] : 0;
    ahead.Held = true;
    ahead.Start = std::min(m_start, bound);
    ahead.End = m_end == kUntilWriterWaits ? m_end : std::max(ahead.Start, std::min(m_end, bound));
  }
}

void ReadAheadSchedule::WaitFor(std::unique_lock<std::mutex>& lock, bool quietIsEnough,
                                const std::function<bool()>& done) {
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
    if (still >= kStuck)
      return m_faults.push_back("the calls stood still for 20 s");
  }
}

bool ReadAheadSchedule::EnterRead(std::unique_lock<std::mutex>& lock, std::string_view what,
                                  std::string_view name, std::ifstream& held) {
  if (what != "ReadFile" || m_aheads.empty() || m_aheads.back().Started ||
      name != m_aheads.back().Name)
    return false;
  Ahead& ahead = m_aheads.back();
  if (std::this_thread::get_id() == ahead.Writer) {
    // No thread was to be had: the file is read at once, before anything else.
    ahead.Started = ahead.Ended = true;
    return false;
  }
  if (ahead.Held)
    WaitFor(lock, false, [&] { return ahead.WriterCalls >= ahead.Start; });
  ahead.Started = true;
  ++m_events;
  m_changed.notify_all();
  lock.unlock();
  held.open(std::filesystem::path(ahead.Name), std::ios::binary);
  lock.lock();
  if (ahead.Held)
    WaitFor(lock, ahead.End == kUntilWriterWaits,
            [&] { return ahead.End != kUntilWriterWaits && ahead.WriterCalls >= ahead.End; });
  return true;
}

ReadAheadSchedule::Call::Call(ReadAheadSchedule& schedule, std::string_view what,
                              std::initializer_list<std::string_view> names)
    : m_schedule(schedule) {
  std::unique_lock lock(schedule.m_mutex);
  m_reading = schedule.EnterRead(lock, what, *names.begin(), m_held);
  if (m_reading)
    return;
  if (!schedule.m_aheads.empty()) {
    Ahead& ahead = schedule.m_aheads.back();
    const bool touches = (ahead.Counting || !ahead.Ended) && Touches(names, ahead.Name);
    ahead.Counting = ahead.Counting && !touches;
    // Such a call goes ahead, to meet the file held open as it would on its own.
    if (touches && !ahead.Ended)
      schedule.m_faults.push_back(std::string(what) + " touches " + ahead.Name +
                                  " while it is read ahead");
    if (ahead.Held && !touches)
      schedule.WaitFor(lock, false, [&] {
        const bool mayStart = ahead.WriterCalls < ahead.Start || ahead.Started;
        const bool mayEnd = ahead.End == kUntilWriterWaits || ahead.WriterCalls < ahead.End;
        return ahead.Ended || (mayStart && mayEnd);
      });
  }
  if (schedule.m_writersInside++ > 0)
    schedule.m_faults.push_back(std::string(what) + " while another thread is inside a call");
  ++schedule.m_events;
  schedule.m_changed.notify_all();
}

ReadAheadSchedule::Call::~Call() {
  m_held.close();
  std::lock_guard lock(m_schedule.m_mutex);
  if (m_reading) {
    m_schedule.m_aheads.back().Ended = true;
  } else {
    --m_schedule.m_writersInside;
    if (!m_schedule.m_aheads.empty()) {
      Ahead& ahead = m_schedule.m_aheads.back();
      ++ahead.WriterCalls;
      ahead.CallsAhead += ahead.Counting ? 1 : 0;
    }
  }
  ++m_schedule.m_events;
  m_schedule.m_changed.notify_all();
}

}  // namespace fw::test
