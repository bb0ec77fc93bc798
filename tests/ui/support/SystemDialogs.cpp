// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemDialogs.h"

#ifdef _WIN32
#include <dlgs.h>

#include <QTimer>
#include <cwchar>
#include <string>

namespace vorlent::testing {

QString windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  return QString::fromWCharArray(text.c_str(), copied);
}

HWND shownSystemDialog(HWND besides) {
  struct Search {
    HWND besides;
    HWND found;
  } search{besides, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(data);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (window != search.besides && IsWindowVisible(window) &&
            std::wcscmp(name, L"#32770") == 0) {
          search.found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void pressDialogButton(HWND dialog, int button) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void whenSystemDialogShown(HWND besides, std::function<void(HWND)> act) {
  auto* timer = new QTimer;
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [timer, besides, act] {
    if (HWND dialog = shownSystemDialog(besides)) {
      timer->stop();
      timer->deleteLater();
      act(dialog);
    }
  });
  timer->start();
}

bool typeFileName(HWND dialog, const QString& name) {
  const std::wstring text = name.toStdWString();
  return SetDlgItemTextW(dialog, cmb13, text.c_str()) != 0 ||
         SetDlgItemTextW(dialog, edt1, text.c_str()) != 0;
}

}  // namespace vorlent::testing

#endif
