// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// setting.ini: the phone type and country ("User") and the connection device
// and baud rate ("Connection") that the user chooses.

#include <QStringList>

namespace orrin {

// Every read passes this default, so a missing key reads back as it.
inline const QString kMissingValue = QStringLiteral("ERROR");

// Phone types, older family first, as the settings list offers them. Each
// names the folder of its local data files, so no other text is a type.
extern const QStringList kPhoneTypes;

// The folder of setting.ini and the backups: the start folder when it can be
// written, else the user's data folder (created when missing), as for an
// installed program started in a folder that belongs to root.
QString WorkFolderFor(const QString &startFolder, bool startWritable);
// Makes WorkFolderFor the current folder the current folder, so that the
// modules' ports/COMn links stay beside setting.ini, and returns it.
QString EnterWorkFolder();

// g_strWorkDir + "/setting.ini".
QString SettingsPath();

// Fills both outputs and returns 1 only when neither value is missing or empty
// and the phone type is one of kPhoneTypes.
int ReadUserSettings(const QString &iniPath, QString *phoneType, QString *country);
// The writes say whether both keys reached the file.
bool WriteUserSettings(const QString &iniPath, const QString &phoneType, const QString &country);

// Fills both outputs and returns 1 when neither value is missing; empty values
// are accepted. The device is read into a 10-byte buffer (9 characters).
int ReadConnectionSettings(const QString &iniPath, QString *device, QString *baudText);
bool WriteConnectionSettings(const QString &iniPath, const QString &device, const QString &baudText);

// The decimal value of the baud text's leading digits; 0 when there are none.
int BaudRateOf(const QString &baudText);

} // namespace orrin
