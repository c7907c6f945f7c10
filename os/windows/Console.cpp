#include "os/Console.h"

#include <windows.h>

#include <string>

namespace zazuzar::os {
namespace {

std::wstring Wide(std::string_view utf8) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

}  // namespace

void Tell(Answer answer, std::string_view utf8, std::string_view title) {
  const HANDLE handle =
      GetStdHandle(answer == Answer::kError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  const DWORD type =
      handle && handle != INVALID_HANDLE_VALUE ? GetFileType(handle) : DWORD(FILE_TYPE_UNKNOWN);
  if (type == FILE_TYPE_CHAR) {
    // A console: in its own characters.
    const std::wstring wide = Wide(utf8);
    DWORD written = 0;
    if (WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr)) {
      return;
    }
  }
  if (type == FILE_TYPE_CHAR || type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) {
    // A file or a pipe (or a console that took no characters): UTF-8.
    DWORD written = 0;
    WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    return;
  }
  std::string_view text = utf8;
  while (!text.empty() && text.back() == '\n') {
    text.remove_suffix(1);
  }
  MessageBoxW(nullptr, Wide(text).c_str(), Wide(title).c_str(),
              MB_OK | (answer == Answer::kError ? MB_ICONERROR : MB_ICONINFORMATION));
}

}  // namespace zazuzar::os
