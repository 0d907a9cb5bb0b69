#include "support/FakePlatform.h"

namespace fw::test {

void FakeMessageBoxes::Show(const Message& message) {
  Shown.push_back(message);
  m_events.push_back("box: " + message.Title);
  if (OnShow)
    OnShow(Shown.back());
}

namespace {

std::string NextAnswer(std::deque<std::string>& answers) {
  if (answers.empty())
    return {};
  std::string answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

std::string FakeFileDialog::AskFileName(const FileDialogRequest& request) {
  Requests.push_back(request);
  return NextAnswer(Answers);
}

std::string FakeFileDialog::AskFolder(const std::string& title, const std::string& startFolder) {
  FolderRequests.emplace_back(title, startFolder);
  return NextAnswer(Answers);
}

}  // namespace fw::test
