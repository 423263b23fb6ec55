// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "NRegistry.h"

#ifdef Q_OS_WIN
#include <QCoreApplication>
#include <QSettings>
#else
#include "SettingsFile.h"
#endif

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

#ifdef Q_OS_WIN
const QString KRegistryKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\") + KSettingsFolder + '\\' + KSettingsName;
#endif

} // namespace

#ifdef Q_OS_WIN

// The registry writes each value on its own and needs no lock.
TNRegistry::TNRegistry(EAccess, TConfFilter filter) {
    QSettings registry(KRegistryKey, QSettings::NativeFormat);
    for (const QString& key : registry.allKeys()) {
        const qsizetype slash = key.indexOf('/');
        const QByteArray section = slash < 0 ? QByteArray("General") : key.left(slash).toUtf8();
        if (filter(section, key.mid(slash + 1).toUtf8())) {
            Values.insert(key, registry.value(key));
        }
    }
    FOpened = registry.status() == QSettings::NoError;
    if (!FOpened) {
        FProblem =
            QCoreApplication::translate("NRegistry", "Die Registrierung lässt sich nicht lesen");
    }
}

TNRegistry::~TNRegistry() = default;

QString TNRegistry::Location() const {
    return KRegistryKey;
}

bool TNRegistry::Flush() {
    if (!FOpened) {
        return false;
    }
    QSettings registry(KRegistryKey, QSettings::NativeFormat);
    for (auto it = Values.cbegin(); it != Values.cend(); ++it) {
        registry.setValue(it.key(), it.value());
    }
    registry.sync();
    if (registry.status() == QSettings::NoError) {
        return true;
    }
    FProblem =
        QCoreApplication::translate("NRegistry", "Die Registrierung lässt sich nicht schreiben");
    return false;
}

#else

TNRegistry::TNRegistry(EAccess access, TConfFilter filter)
    : File(std::make_unique<TSettingsFile>()) {
    FOpened = (access == EAccess::Read || File->Lock(KLockTimeoutMs)) && File->Read(filter, Values);
    if (!FOpened) {
        Values.clear();
        FProblem = File->Problem();
    }
}

TNRegistry::~TNRegistry() = default;

QString TNRegistry::Location() const {
    return File->Path();
}

bool TNRegistry::Flush() {
    if (!FOpened) {
        return false; // never write over what could not be read
    }
    if (File->Write(Values)) {
        return true;
    }
    FProblem = File->Problem();
    return false;
}

#endif

QString TNRegistry::Key(const QString& name) const {
    return SubKey.isEmpty() ? name : SubKey + '/' + name;
}

void TNRegistry::OpenSubKey(const QString& name) {
    SubKey = name;
}

void TNRegistry::CloseSubKey() {
    SubKey.clear();
}

std::int32_t TNRegistry::ReadIntegerDef(const QString& name, std::int32_t def) const {
    std::int32_t result = def;
    return ToInt32(Values.value(Key(name)), result) ? result : def;
}

bool TNRegistry::ReadBoolDef(const QString& name, bool def) const {
    const QVariant value = Values.value(Key(name));
    std::int32_t result = 0;
    if (ToInt32(value, result)) {
        return result != 0;
    }
    // A hand-edited file may say it in words.
    const QString word =
        value.typeId() == QMetaType::QString ? value.toString().trimmed() : QString();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return def;
}

QString TNRegistry::ReadStringDef(const QString& name, const QString& def) const {
    const QVariant value = Values.value(Key(name));
    return value.typeId() == QMetaType::QString ? value.toString() : def;
}

void TNRegistry::WriteInteger(const QString& name, std::int32_t value) {
    Values.insert(Key(name), int(value));
}

void TNRegistry::WriteBool(const QString& name, bool value) {
    Values.insert(Key(name), value ? 1 : 0);
}

void TNRegistry::WriteString(const QString& name, const QString& value) {
    Values.insert(Key(name), value);
}

QString TNRegistry::StoredString(const QString& value) {
#ifdef Q_OS_WIN
    return value; // the registry holds any text as it is
#else
    return StoredText(value);
#endif
}

} // namespace brimbal
