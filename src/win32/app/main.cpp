#include "win32/WindowsApi.h"
#include "win32/app/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return fw::win32::RunApplication();
}
