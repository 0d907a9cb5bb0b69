#pragma once

// The Windows headers the front end uses, windows.h first: the others need what it defines, an
// order that sorting includes would break.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>
// clang-format on
