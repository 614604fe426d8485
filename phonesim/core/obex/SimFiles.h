// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's file system as OBEX shows it: folders under the root, each
// with its files, as the state file keeps them:
//
//   "files": [ { "folder": "Pictures",
//                "entries": [ { "name": "Sun.bmp", "modified": "20240105T093000Z",
//                               "hex": "424D..." } ] } ]
//
// Names are unique within a folder; the order is kept.

#include <QByteArray>
#include <QJsonArray>
#include <QString>

#include <vector>

namespace phonesim {

struct SimFile {
    QString name;
    QString modified;  // yyyymmddThhmmssZ
    QByteArray data;
};

struct SimFolder {
    QString name;
    std::vector<SimFile> files;

    SimFile *Find(const QString &fileName);
    bool Remove(const QString &fileName);
    // Puts the file in place of one of the same name, or at the end.
    void Store(SimFile file);
};

struct SimFiles {
    std::vector<SimFolder> folders;

    SimFolder *Find(const QString &folderName);
    const SimFolder *Find(const QString &folderName) const;
};

// The section in place of the seed's folders; false with the reason for one
// that is no list of folders.
bool ReadFiles(const QJsonValue &section, SimFiles &files, QString *error);
QJsonArray FilesJson(const SimFiles &files);

} // namespace phonesim
