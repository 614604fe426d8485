// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/SimState.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

#include <variant>

static void InitSeedResources()
{
    Q_INIT_RESOURCE(phonesim);
}

namespace phonesim {
namespace {

using Member = std::variant<QString SimState::*, int SimState::*, qint64 SimState::*>;

struct Field {
    const char *section;
    const char *key;
    Member member;
};

const Field kFields[] = {
    {"identity", "manufacturer", &SimState::manufacturer},
    {"identity", "model", &SimState::model},
    {"identity", "revision", &SimState::revision},
    {"identity", "imei", &SimState::imei},
    {"battery", "status", &SimState::batteryStatus},
    {"battery", "percent", &SimState::batteryPercent},
    {"signal", "rssi", &SimState::rssi},
    {"signal", "ber", &SimState::bitErrorRate},
    {"network", "operator", &SimState::operatorName},
    {"network", "numeric", &SimState::operatorCode},
    {"ownNumber", "alpha", &SimState::ownAlpha},
    {"ownNumber", "number", &SimState::ownNumber},
    {"sim", "cardNumber", &SimState::cardNumber},
    {"sim", "imsi", &SimState::imsi},
    {"sim", "serviceCentre", &SimState::serviceCentre},
    {"clock", "offsetSeconds", &SimState::clockOffsetSeconds},
};

const QString kPhoneBooks = QStringLiteral("phoneBooks");
const QString kMessages = QStringLiteral("messages");
const QString kObjects = QStringLiteral("objects");
const QString kFiles = QStringLiteral("files");

bool IsOwnSection(const QString &key)
{
    if (key == QLatin1String("family") || key == kPhoneBooks || key == kMessages || key == kObjects || key == kFiles)
        return true;
    for (const Field &field : kFields) {
        if (key == QLatin1String(field.section))
            return true;
    }
    return false;
}

// Sets one field from its JSON value; false when the value has the wrong type.
bool ReadField(SimState &state, const Field &field, const QJsonValue &value)
{
    return std::visit(
        [&](auto member) {
            using Value = std::remove_reference_t<decltype(state.*member)>;
            if constexpr (std::is_same_v<Value, QString>) {
                if (!value.isString())
                    return false;
                state.*member = value.toString();
            } else {
                const double number = value.toDouble();
                if (!value.isDouble() || number != double(qint64(number)))
                    return false;
                state.*member = Value(number);
            }
            return true;
        },
        field.member);
}

QJsonValue FieldValue(const SimState &state, const Field &field)
{
    return std::visit([&](auto member) { return QJsonValue(state.*member); }, field.member);
}

// Lays the fields present in the object over the state.
bool Overlay(SimState &state, const QJsonObject &object, QString *error)
{
    for (const Field &field : kFields) {
        const QJsonValue section = object.value(QLatin1String(field.section));
        if (section.isUndefined())
            continue;
        const QString name = QStringLiteral("%1.%2").arg(QLatin1String(field.section), QLatin1String(field.key));
        if (!section.isObject()) {
            *error = QStringLiteral("%1 is not an object").arg(QLatin1String(field.section));
            return false;
        }
        const QJsonValue value = section.toObject().value(QLatin1String(field.key));
        if (!value.isUndefined() && !ReadField(state, field, value)) {
            *error = QStringLiteral("%1 has the wrong type").arg(name);
            return false;
        }
    }
    if (object.contains(kPhoneBooks) && !ReadPhoneBooks(object.value(kPhoneBooks), state.memories.phoneBooks, error))
        return false;
    if (object.contains(kMessages) && !ReadMessages(object.value(kMessages), state.memories, error))
        return false;
    if (object.contains(kObjects) && !ReadObjects(object.value(kObjects), state.objects, error))
        return false;
    if (object.contains(kFiles) && !ReadFiles(object.value(kFiles), state.files, error))
        return false;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!IsOwnSection(it.key()))
            state.kept.insert(it.key(), it.value());
    }
    return true;
}

std::optional<QJsonObject> ParseObject(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("not JSON: %1 at offset %2").arg(parseError.errorString()).arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("not a JSON object");
        return std::nullopt;
    }
    return document.object();
}

} // namespace

std::optional<SimState> StateFromJson(const QByteArray &json, QString *error)
{
    const std::optional<QJsonObject> object = ParseObject(json, error);
    if (!object)
        return std::nullopt;
    const std::optional<SimFamily> family = ParseFamily(object->value(QLatin1String("family")).toString());
    if (!family) {
        *error = QStringLiteral("family must be \"older\" or \"newer\"");
        return std::nullopt;
    }
    SimState state = SeedState(*family);
    state.kept = {};
    if (!Overlay(state, *object, error))
        return std::nullopt;
    return state;
}

QByteArray StateToJson(const SimState &state)
{
    QJsonObject object = state.kept;
    object.insert(QStringLiteral("family"), FamilyName(state.family));
    for (const Field &field : kFields) {
        const QString sectionName = QLatin1String(field.section);
        QJsonObject section = object.value(sectionName).toObject();
        section.insert(QLatin1String(field.key), FieldValue(state, field));
        object.insert(sectionName, section);
    }
    object.insert(kPhoneBooks, PhoneBooksJson(state.memories.phoneBooks));
    object.insert(kMessages, MessagesJson(state.memories));
    object.insert(kObjects, ObjectsJson(state.objects));
    object.insert(kFiles, FilesJson(state.files));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

SimState SeedState(SimFamily family)
{
    InitSeedResources();
    QFile file(QStringLiteral(":/phonesim/%1.json").arg(FamilyName(family)));
    SimState state;
    state.family = family;
    QString ignored;
    if (file.open(QIODevice::ReadOnly)) {
        if (const std::optional<QJsonObject> object = ParseObject(file.readAll(), &ignored))
            Overlay(state, *object, &ignored);
    }
    return state;
}

std::optional<SimState> LoadState(const QString &path, SimFamily family, QString *error)
{
    if (path.isEmpty() || !QFile::exists(path))
        return SeedState(family);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    std::optional<SimState> state = StateFromJson(file.readAll(), error);
    if (state && state->family != family) {
        *error = QStringLiteral("%1 holds a phone of the %2 family").arg(path, FamilyName(state->family));
        return std::nullopt;
    }
    if (!state)
        *error = QStringLiteral("%1: %2").arg(path, *error);
    return state;
}

bool SaveState(const SimState &state, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(StateToJson(state)) >= 0 && file.commit())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
}

} // namespace phonesim
