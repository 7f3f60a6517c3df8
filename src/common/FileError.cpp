#include "common/FileError.h"

#include <cerrno>

namespace varo {

FileError FileError::fromErrno(int errnoValue) {
    switch (errnoValue) {
        case ENOENT:
            return FileError(2, "Datei nicht gefunden");
        case ENOTDIR:
        case ENAMETOOLONG:
        case EISDIR:
            return FileError(3, "Ungültiger Dateiname");
        case EMFILE:
        case ENFILE:
            return FileError(4, "Zu viele geöffnete Dateien");
        case EACCES:
        case EPERM:
        case EROFS:
            return FileError(5, "Dateizugriff verweigert");
        case ENOSPC:
        case EDQUOT:
            return FileError(101, "Zu wenig Speicherplatz");
        default:
            return FileError(errnoValue, "E/A-Fehler " + std::to_string(errnoValue));
    }
}

}  // namespace varo
