#pragma once
// setting.ini: the phone type and country ("User") and the connection device
// and baud rate ("Connection") that the user chooses.

#include <QString>

namespace orrin {

// Every read passes this default, so a missing key reads back as it.
inline const QString kMissingValue = QStringLiteral("ERROR");

// g_strWorkDir + "/setting.ini".
QString SettingsPath();

// Fills both outputs and returns 1 only when neither value is missing or empty.
int ReadUserSettings(const QString &iniPath, QString *phoneType, QString *country);
void WriteUserSettings(const QString &iniPath, const QString &phoneType, const QString &country);

// Fills both outputs and returns 1 when neither value is missing; empty values
// are accepted. The device is read into a 10-byte buffer (9 characters).
int ReadConnectionSettings(const QString &iniPath, QString *device, QString *baudText);
void WriteConnectionSettings(const QString &iniPath, const QString &device, const QString &baudText);

// The decimal value of the baud text's leading digits; 0 when there are none.
int BaudRateOf(const QString &baudText);

} // namespace orrin
