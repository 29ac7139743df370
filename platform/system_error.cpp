#include "system_error.h"

#include <cerrno>

namespace ovalto {

std::string SystemErrorText(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "нет доступа";
    case EROFS:
      return "диск доступен только для чтения";
    case ENOSPC:
    case EDQUOT:
      return "нет места на диске";
    case EFBIG:
      return "файл слишком велик";
    case ENOENT:
    case ENOTDIR:
      return "папка не найдена";
    case EISDIR:
      return "на месте файла папка";
    case ENAMETOOLONG:
      return "слишком длинное имя";
    case ELOOP:
      return "ссылки ведут по кругу";
    case EMFILE:
    case ENFILE:
      return "открыто слишком много файлов";
    case EIO:
      return "ошибка ввода-вывода";
    case EBUSY:
    case ETXTBSY:
      return "файл занят";
    default:
      return "системная ошибка " + std::to_string(error);
  }
}

}  // namespace ovalto
