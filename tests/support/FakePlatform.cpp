#include "support/FakePlatform.h"

namespace fw::test {

void FakeMessageBoxes::Show(const Message& message) {
  Shown.push_back(message);
  m_events.push_back("box: " + message.Title);
  if (OnShow)
    OnShow(Shown.back());
}

std::string FakeFileDialog::AskFileName(const FileDialogRequest& request) {
  Requests.push_back(request);
  if (Answers.empty())
    return {};
  std::string answer = Answers.front();
  Answers.pop_front();
  return answer;
}

FakeUi::FakeUi() = default;

UiServices FakeUi::Services() {
  std::string folder = Folder.Path().string();
  folder += static_cast<char>(std::filesystem::path::preferred_separator);
  return UiServices{Boxes, Files, Documents, Pointer, NativeFileSystem(), folder};
}

}  // namespace fw::test
