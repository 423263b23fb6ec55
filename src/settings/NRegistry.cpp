// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "NRegistry.h"

#include "ConfFormat.h"

#include <limits>

namespace brimbal {

namespace {

// The integer a stored value holds, if it holds one of 32 bits. The file store hands every value
// back as text; the registry hands back typed values.
bool ToInt32(const QVariant& value, std::int32_t& result) {
    qlonglong number = 0;
    bool ok = false;
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
        number = value.toString().trimmed().toLongLong(&ok, 10);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Long:
        number = value.toLongLong(&ok);
        break;
    default:
        return false;
    }
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    result = static_cast<std::int32_t>(number);
    return true;
}

} // namespace

namespace {

QSettings::Format StoreFormat() {
#ifdef Q_OS_WIN
    return QSettings::NativeFormat;
#else
    return ConfFormat();
#endif
}

} // namespace

TNRegistry::TNRegistry() : Settings(StoreFormat(), QSettings::UserScope, "Zelkor", "Brimbal") {}

void TNRegistry::OpenSubKey(const QString& name) {
    Settings.beginGroup(name);
}

bool TNRegistry::ValueExists(const QString& name) const {
    return Settings.contains(name);
}

std::int32_t TNRegistry::ReadIntegerDef(const QString& name, std::int32_t def) const {
    std::int32_t result = def;
    return ToInt32(Settings.value(name), result) ? result : def;
}

bool TNRegistry::ReadBoolDef(const QString& name, bool def) const {
    std::int32_t result = 0;
    return ToInt32(Settings.value(name), result) ? result != 0 : def;
}

QString TNRegistry::ReadStringDef(const QString& name, const QString& def) const {
    const QVariant value = Settings.value(name);
    return value.typeId() == QMetaType::QString ? value.toString() : def;
}

void TNRegistry::WriteInteger(const QString& name, std::int32_t value) {
    Settings.setValue(name, int(value));
}

void TNRegistry::WriteBool(const QString& name, bool value) {
    Settings.setValue(name, value ? 1 : 0);
}

void TNRegistry::WriteString(const QString& name, const QString& value) {
    Settings.setValue(name, value);
}

bool TNRegistry::Flush() {
    Settings.sync();
    return Settings.status() != QSettings::AccessError;
}

QString TNRegistry::Location() const {
    return Settings.fileName();
}

} // namespace brimbal
