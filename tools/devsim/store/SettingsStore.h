#pragma once

#include "settings/SettingsImage.h"

#include <QByteArray>
#include <QMap>

// The settings a simulated terminal holds: raw record data keyed by setting number, exactly
// what the settings image carries. Setting 5 is the device password.
class SettingsStore
{
public:
    static constexpr quint8 PasswordNumber = 5;

    SettingsStore() = default;
    explicit SettingsStore(const QList<SettingsImage::Record> &records) { apply(records); }

    QByteArray value(quint8 number) const { return m_values.value(number); }
    bool contains(quint8 number) const { return m_values.contains(number); }
    QByteArray password() const { return value(PasswordNumber); }
    void setPassword(const QByteArray &password) { m_values.insert(PasswordNumber, password); }

    // Every setting, in ascending number.
    QByteArray image() const;
    // Takes over the records of an image whose header checks out; false leaves all unchanged.
    bool applyImage(QByteArrayView image);
    void apply(const QList<SettingsImage::Record> &records);

private:
    QMap<quint8, QByteArray> m_values;
};
