#include "support/FaultyFileSystem.h"

#include <system_error>

namespace fw::test {

std::string InjectedFault(std::string_view what, std::string_view name, int error) {
  const std::string reason =
      error == 0 ? std::string("injected fault") : std::generic_category().message(error);
  return std::string(what) + " " + Quoted(name) + ": " + reason;
}

bool FaultyFileSystem::Fails(FileStep step) {
  const int call = ++m_calls[Index(step)];
  return call == m_failAt[Index(step)];
}

Result<ByteBuffer> FaultyFileSystem::ReadFile(const std::string& path) {
  if (BeforeRead)
    BeforeRead(path);
  const ReadAheadSchedule::Call call(m_schedule, "ReadFile", {path});
  if (Fails(FileStep::ReadFile))
    return IoError(InjectedFault("cannot read", path, m_error));
  return m_inner.ReadFile(path);
}

Result<TempFile> FaultyFileSystem::CreateTempFile(const std::string& target,
                                                  const std::string& permissionsFrom) {
  const ReadAheadSchedule::Call call(m_schedule, "CreateTempFile", {target, permissionsFrom});
  if (Fails(FileStep::CreateTempFile))
    return IoError(InjectedFault("cannot create", target, m_error));
  return m_inner.CreateTempFile(target, permissionsFrom);
}

Result<TempFile> FaultyFileSystem::LinkTempFile(const std::string& source,
                                                const std::string& target) {
  const ReadAheadSchedule::Call call(m_schedule, "LinkTempFile", {source, target});
  if (Fails(FileStep::LinkTempFile))
    return IoError(InjectedFault("cannot create", target, m_error));
  return m_inner.LinkTempFile(source, target);
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
  const ReadAheadSchedule::Call call(m_schedule, "Write", {file.Path});
  if (Fails(FileStep::Write)) {
    (void)m_inner.Write(file, bytes.substr(0, bytes.size() / 2));
    return IoError(InjectedFault("cannot write", file.Shown, m_error));
  }
  return m_inner.Write(file, bytes);
}

Result<void> FaultyFileSystem::FlushAndClose(TempFile& file) {
  const ReadAheadSchedule::Call call(m_schedule, "FlushAndClose", {file.Path});
  if (Fails(FileStep::FlushAndClose)) {
    (void)m_inner.FlushAndClose(file);
    return IoError(InjectedFault("cannot write", file.Shown, m_error));
  }
  return m_inner.FlushAndClose(file);
}

Result<void> FaultyFileSystem::ReplaceTarget(TempFile& file) {
  const ReadAheadSchedule::Call call(m_schedule, "ReplaceTarget", {file.Path, file.Target});
  if (Fails(FileStep::ReplaceTarget))
    return IoError(InjectedFault("cannot replace", file.Shown, m_error));
  return m_inner.ReplaceTarget(file);
}

void FaultyFileSystem::Discard(TempFile& file) noexcept {
  const ReadAheadSchedule::Call call(m_schedule, "Discard", {file.Path});
  m_inner.Discard(file);
}

}  // namespace fw::test
