#include "store/SettingsStore.h"

QByteArray SettingsStore::image() const
{
    QList<SettingsImage::Record> records;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        records.append({it.key(), it.value()});
    return SettingsImage::compose(records);
}

bool SettingsStore::applyImage(QByteArrayView image)
{
    if (!SettingsImage::headerIsValid(image))
        return false;
    apply(SettingsImage::parse(image));
    return true;
}

void SettingsStore::apply(const QList<SettingsImage::Record> &records)
{
    for (const SettingsImage::Record &record : records)
        m_values.insert(record.number, record.data);
}
