// Any bytes as the settings file: reading either fails with a message or gives settings in which
// storing one operation's names and reading the file back returns those names and leaves every
// other value the program uses as it was.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "FuzzCheck.h"
#include "settings/SettingsFile.h"

namespace {

// Files held in memory, so that a run costs no disk writes.
class MemoryFileSystem final : public fw::FileSystem {
 public:
  std::map<std::string, std::string> Files;

  fw::Result<fw::ByteBuffer> ReadFile(const std::string& path) override {
    const auto found = Files.find(path);
    if (found == Files.end())
      return fw::IoError("cannot open " + fw::Quoted(path) + ": No such file or directory");
    fw::ByteBuffer bytes(found->second.size());
    if (!found->second.empty())
      std::memcpy(bytes.data(), found->second.data(), found->second.size());
    return bytes;
  }
  fw::Result<fw::TempFile> CreateTempFile(const std::string& target, const std::string&) override {
    m_pending.clear();
    return fw::TempFile{target + ".tmp", target, target, 1};
  }
  fw::Result<void> Write(fw::TempFile&, std::string_view bytes) override {
    m_pending.append(bytes);
    return {};
  }
  fw::Result<void> FlushAndClose(fw::TempFile&) override { return {}; }
  fw::Result<void> ReplaceTarget(fw::TempFile& file) override {
    Files[file.Target] = m_pending;
    return {};
  }
  void Discard(fw::TempFile&) noexcept override {}

 private:
  std::string m_pending;
};

// Loading asks whether the file exists on disk before it reads it through the file system.
const std::string& ExistingPath() {
  static const std::string path = [] {
    char name[] = "/tmp/fw-settings-fuzz-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0)
      std::abort();
    std::atexit([] { std::remove(ExistingPath().c_str()); });
    return std::string(name);
  }();
  return path;
}

const char* const kInputKeys[] = {"SortFPFile",   "MergeFPFiles",     "EvalFPFiles",
                                  "SortAPFile",   "MergeAPFiles",     "SortACFile",
                                  "MergeACFiles", "ChangeACNumsFiles"};
const char* const kOutputKeys[] = {"SortFPFile",  "MergeFPFile", "EvalFPFile", "SortAPFile",
                                   "MergeAPFile", "SortACFile",  "MergeACFile"};

// A value as a text box gives it: one line; blanks at its ends are not kept by the file layout.
std::string Value(std::string_view bytes) {
  std::string value;
  for (const char c : bytes.substr(0, 200)) {
    if (c != '\r' && c != '\n' && c != '\0')
      value += c;
  }
  const std::size_t first = value.find_first_not_of(" \t");
  if (first == std::string::npos)
    return "C:\\x.txt";
  value.erase(0, first);
  value.erase(value.find_last_not_of(" \t") + 1);
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string_view bytes = fw::fuzz::AsText(data, size);
  const std::string& path = ExistingPath();
  MemoryFileSystem fs;
  fs.Files[path] = std::string(bytes);
  fw::Result<fw::SettingsFile> loaded = fw::SettingsFile::Load(fs, path);
  if (!loaded) {
    FW_FUZZ_CHECK(!loaded.error().Message.empty());
    return 0;
  }
  fw::SettingsFile& settings = loaded.value();
  std::map<std::string, std::string> before;
  for (const char* key : kInputKeys)
    before[std::string("I:") + key] = settings.Get("InputFiles", key);
  for (const char* key : kOutputKeys)
    before[std::string("O:") + key] = settings.Get("OutputFiles", key);

  // The value comes from the end of the input, so that it varies apart from the file's start.
  const std::string value = Value(bytes.substr(size > 64 ? size - 64 : 0));
  const bool output = size % 2 == 1;
  const char* key = output ? kOutputKeys[size % 7] : kInputKeys[size % 8];
  settings.Set(output ? "OutputFiles" : "InputFiles", key, value);
  before[std::string(output ? "O:" : "I:") + key] = value;
  FW_FUZZ_CHECK(settings.Save(fs, path).ok());

  fw::Result<fw::SettingsFile> again = fw::SettingsFile::Load(fs, path);
  FW_FUZZ_CHECK(again.ok());
  for (const char* name : kInputKeys)
    FW_FUZZ_CHECK(again.value().Get("InputFiles", name) == before[std::string("I:") + name]);
  for (const char* name : kOutputKeys)
    FW_FUZZ_CHECK(again.value().Get("OutputFiles", name) == before[std::string("O:") + name]);
  return 0;
}
