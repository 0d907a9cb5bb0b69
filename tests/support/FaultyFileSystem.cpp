#include "support/FaultyFileSystem.h"

#include <system_error>

namespace fw::test {

std::string InjectedFault(std::string_view what, std::string_view name, int error) {
  return std::string(what) + " " + Quoted(name) + ": " + std::generic_category().message(error);
}

template <typename Inner>
auto FaultyFileSystem::Pass(FileStep step, std::initializer_list<std::string_view> names,
                            std::string_view failing, std::string_view shown, Inner inner,
                            const std::function<void()>& beforeFailing) -> decltype(inner()) {
  static const char* const kNames[kSteps] = {"ReadFile", "CreateTempFile", "LinkTempFile",
                                             "Write",    "FlushAndClose",  "ReplaceTarget"};
  const ReadAheadSchedule::Call call(m_schedule, kNames[Index(step)], names);
  if (++m_calls[Index(step)] != m_failAt[Index(step)])
    return inner();
  if (beforeFailing)
    beforeFailing();
  return IoError(InjectedFault(failing, shown, m_error));
}

Result<ByteBuffer> FaultyFileSystem::ReadFile(const std::string& path) {
  if (BeforeRead)
    BeforeRead(path);
  return Pass(FileStep::ReadFile, {path}, "cannot read", path,
              [&] { return m_inner.ReadFile(path); });
}

Result<TempFile> FaultyFileSystem::CreateTempFile(const std::string& target,
                                                  const std::string& permissionsFrom) {
  return Pass(FileStep::CreateTempFile, {target, permissionsFrom}, "cannot create", target,
              [&] { return m_inner.CreateTempFile(target, permissionsFrom); });
}

Result<TempFile> FaultyFileSystem::LinkTempFile(const std::string& source,
                                                const std::string& target) {
  return Pass(FileStep::LinkTempFile, {source, target}, "cannot create", target,
              [&] { return m_inner.LinkTempFile(source, target); });
}

bool FaultyFileSystem::MayBeOneFile(const std::string& a, const std::string& b) {
  bool one = true;
  {
    const ReadAheadSchedule::Call call(m_schedule, "MayBeOneFile", {a, b});
    one = m_inner.MayBeOneFile(a, b);
  }
  if (!one)
    m_schedule.Apart(b);
  return one;
}

Result<void> FaultyFileSystem::Write(TempFile& file, std::string_view bytes) {
  return Pass(
      FileStep::Write, {file.Path}, "cannot write", file.Shown,
      [&] { return m_inner.Write(file, bytes); },
      [&] { (void)m_inner.Write(file, bytes.substr(0, bytes.size() / 2)); });
}

Result<void> FaultyFileSystem::FlushAndClose(TempFile& file) {
  return Pass(
      FileStep::FlushAndClose, {file.Path}, "cannot write", file.Shown,
      [&] { return m_inner.FlushAndClose(file); }, [&] { (void)m_inner.FlushAndClose(file); });
}

Result<void> FaultyFileSystem::ReplaceTarget(TempFile& file) {
  return Pass(FileStep::ReplaceTarget, {file.Path, file.Target}, "cannot replace", file.Shown,
              [&] { return m_inner.ReplaceTarget(file); });
}

void FaultyFileSystem::Discard(TempFile& file) noexcept {
  const ReadAheadSchedule::Call call(m_schedule, "Discard", {file.Path});
  m_inner.Discard(file);
}

}  // namespace fw::test
