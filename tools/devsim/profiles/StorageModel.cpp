#include "profiles/StorageModel.h"

#include <QtEndian>

StorageModel::StorageModel()
    : m_written(40)
    , m_sent{38, 35, 0, 0}
    , m_filesWritten(12)
    , m_filesSent{11, 9, 0, 0}
{
}

void StorageModel::advance()
{
    ++m_seconds;
    if (m_seconds % 4 == 0)
        m_written = (m_written + 1) % BlockCount;
    if (m_seconds % 30 == 0)
        m_filesWritten = (m_filesWritten + 1) % FileCount;
    // Servers 1 and 2 are configured; 1 keeps up within a block, 2 trails a few behind.
    m_sent[0] = qMax(0, m_written - (m_seconds % 3 == 0 ? 0 : 1));
    m_sent[1] = qMax(0, m_written - 3);
    m_filesSent[0] = m_filesWritten;
    m_filesSent[1] = qMax(0, m_filesWritten - 1);
}

void StorageModel::clear()
{
    m_written = 0;
    m_filesWritten = 0;
    for (int server = 0; server < Servers; ++server) {
        m_sent[server] = 0;
        m_filesSent[server] = 0;
    }
}

bool StorageModel::holdsBlock(int number) const
{
    return number >= FirstBlock && number < FirstBlock + BlockCount;
}

QByteArray StorageModel::block(int number) const
{
    QByteArray bytes(BlockSize, '\0');
    qToLittleEndian(quint32(number), bytes.data());
    for (int i = 4; i < BlockSize; ++i)
        bytes[i] = char((number * 37 + i * 11 + (i >> 3) * 5) & 0xFF);
    return bytes;
}
