#pragma once

#include <QString>

namespace tessaron {

// The settings file's accessors, with the rules of Windows profile files:
// section and key names match without regard to case, blanks around names and
// values are ignored, a value wrapped in matching quotes loses them, and a value
// is cut to 254 characters.

// One value; the empty text when the file, section or key is missing, or the
// file cannot be read.
// `why`, when given, says why the file could not be read.
[[nodiscard]] QString LlegirIni(const QString &section, const QString &key, const QString &file,
                                QString *why = nullptr);

// Writes one value, creating the file, section or key as needed and keeping every
// other line byte for byte as it was, in the file's own encoding. The file is
// replaced atomically: a crash while writing leaves the old file or the new one.
// False on failure, with the reason in `why`.
[[nodiscard]] bool EscriureIni(const QString &section, const QString &key, const QString &value,
                               const QString &file, QString *why = nullptr);

// "tessaron.ini" in the user's configuration directory ($XDG_CONFIG_HOME, by
// default ~/.config).
[[nodiscard]] QString settingsFilePath();

inline constexpr int kMaxIniValueLength = 254;

} // namespace tessaron
