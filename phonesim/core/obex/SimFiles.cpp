// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/obex/SimFiles.h"

#include <QJsonObject>

#include <algorithm>

namespace phonesim {
namespace {

bool ReadFolder(const QJsonObject &object, SimFolder &folder, QString *error)
{
    folder.name = object.value(QLatin1String("folder")).toString();
    if (folder.name.isEmpty()) {
        *error = QStringLiteral("files: a folder has no name");
        return false;
    }
    for (const QJsonValue &value : object.value(QLatin1String("entries")).toArray()) {
        const QJsonObject entry = value.toObject();
        SimFile file{entry.value(QLatin1String("name")).toString(), entry.value(QLatin1String("modified")).toString(),
                     QByteArray::fromHex(entry.value(QLatin1String("hex")).toString().toLatin1())};
        if (file.name.isEmpty() || folder.Find(file.name)) {
            *error = QStringLiteral("files: %1 holds a file without a name or twice the same").arg(folder.name);
            return false;
        }
        folder.files.push_back(std::move(file));
    }
    return true;
}

} // namespace

SimFile *SimFolder::Find(const QString &fileName)
{
    const auto it = std::find_if(files.begin(), files.end(), [&](const SimFile &f) { return f.name == fileName; });
    return it == files.end() ? nullptr : &*it;
}

bool SimFolder::Remove(const QString &fileName)
{
    const auto it = std::find_if(files.begin(), files.end(), [&](const SimFile &f) { return f.name == fileName; });
    if (it == files.end())
        return false;
    files.erase(it);
    return true;
}

void SimFolder::Store(SimFile file)
{
    if (SimFile *old = Find(file.name))
        *old = std::move(file);
    else
        files.push_back(std::move(file));
}

SimFolder *SimFiles::Find(const QString &folderName)
{
    const auto it = std::find_if(folders.begin(), folders.end(), [&](const SimFolder &f) { return f.name == folderName; });
    return it == folders.end() ? nullptr : &*it;
}

const SimFolder *SimFiles::Find(const QString &folderName) const
{
    return const_cast<SimFiles *>(this)->Find(folderName);
}

bool ReadFiles(const QJsonValue &section, SimFiles &files, QString *error)
{
    if (!section.isArray()) {
        *error = QStringLiteral("files is not a list");
        return false;
    }
    SimFiles read;
    for (const QJsonValue &value : section.toArray()) {
        SimFolder folder;
        if (!ReadFolder(value.toObject(), folder, error))
            return false;
        read.folders.push_back(std::move(folder));
    }
    files = std::move(read);
    return true;
}

QJsonArray FilesJson(const SimFiles &files)
{
    QJsonArray folders;
    for (const SimFolder &folder : files.folders) {
        QJsonArray entries;
        for (const SimFile &file : folder.files)
            entries.append(QJsonObject{{QStringLiteral("name"), file.name},
                                       {QStringLiteral("modified"), file.modified},
                                       {QStringLiteral("hex"), QString::fromLatin1(file.data.toHex().toUpper())}});
        folders.append(QJsonObject{{QStringLiteral("folder"), folder.name}, {QStringLiteral("entries"), entries}});
    }
    return folders;
}

} // namespace phonesim
