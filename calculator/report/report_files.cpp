#include "report/report_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "cp1251.h"

namespace ovalto {

namespace {

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace

int ReplaceFile(const std::string& path, std::string_view bytes) {
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return errno;
  // mkstemp makes the file private; a report is an ordinary document.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  int error = WriteAll(fd, bytes);
  // A full disk may show only when the data reach it.
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.c_str());
  return error;
}

std::string EncodePage(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return Utf8ToCp1251(text);
}

std::string WriteFailureText(const std::string& path, int error) {
  std::string reason;
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
      reason = "Нет права записи в папку программы.";
      break;
    case ENOSPC:
    case EDQUOT:
      reason = "Недостаточно места на диске.";
      break;
    case ENOENT:
    case ENOTDIR:
      reason = "Папка программы не найдена.";
      break;
    default:
      reason = "Ошибка записи (код " + std::to_string(error) + ").";
  }
  return "Не удалось записать файл\r" + path + "\r\r" + reason;
}

}  // namespace ovalto
