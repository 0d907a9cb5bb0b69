#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "dialog/DialogView.h"
#include "dialog/frmShowFiles.h"
#include "platform/Result.h"
#include "platform/UiServices.h"
#include "win32/Win32Platform.h"
#include "win32/Window.h"

namespace fw {

// The window class of the operation dialog, by which tests find it.
inline constexpr wchar_t kDialogClassName[] = L"FleetwrightDialog";

// The operation dialog as a Win32 window: the controls of kDialogDesign, with its logic
// frmShowFiles and the boxes and file dialogs it owns. Names reach the logic in the system code
// page; one that the code page cannot hold, typed or dropped, is refused with a warning before the
// logic reads it, since neither the operations nor the settings file could keep it.
class Win32DialogWindow final : public DialogView, public win32::WindowEvents {
 public:
  // The dialog in its design-time state, hidden, owned by owner. The logic runs showMainWindow
  // when Execute or Cancel closes the dialog; closed runs when the dialog has hidden itself for
  // good, possibly inside one of its handlers, so the owner deletes it later (Window::Post).
  // Fails when the system cannot create the window.
  static Result<std::unique_ptr<Win32DialogWindow>> Create(HWND owner, const AppContext& app,
                                                           std::function<void()> showMainWindow,
                                                           std::function<void()> closed);

  frmShowFiles& Logic() { return *m_logic; }
  void Show() { m_window->Show(); }

  void SetTitle(std::string_view title) override;
  void SetText(DialogControl control, std::string_view text) override;
  std::string Text(DialogControl control) const override;
  void SetVisible(DialogControl control, bool visible) override;
  bool Ticked(DialogControl control) const override;
  void SetTop(DialogControl control, int topTwips) override;
  void SetHeight(DialogControl control, int heightTwips) override;
  void SetWindowHeight(int heightTwips) override;
  void BringToFront(DialogControl control) override;
  void RepaintNow(DialogControl control) override;
  void Close() override;

  void OnClick(int control) override;
  void OnFilesDropped(int control, const std::vector<std::wstring>& names) override;
  bool OnCloseRequested() override;

 private:
  explicit Win32DialogWindow(std::function<void()> closed) : m_closed(std::move(closed)) {}
  // True when every name in the boxes can reach the logic; else warns about the first that cannot.
  bool NamesUsable(std::initializer_list<DialogControl> boxes) const;

  std::function<void()> m_closed;
  std::unique_ptr<win32::Window> m_window;
  std::unique_ptr<Win32WindowServices> m_services;
  std::unique_ptr<frmShowFiles> m_logic;
};

}  // namespace fw
