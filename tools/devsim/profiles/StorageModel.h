#pragma once

#include <QByteArray>

// The terminal's ring store of track records: a write position advancing as records are
// stored, a send position per server following it, and the content of every memory block.
// Positions count blocks from the first block.
class StorageModel
{
public:
    static constexpr int Servers = 4;
    static constexpr int BlockSize = 256;

    StorageModel();

    // One second: a record stored now and then, the configured servers catch up.
    void advance();
    // Erases the store: every position back to zero.
    void clear();

    int written() const { return m_written; }
    int sent(int server) const { return m_sent[server]; }
    int blockCount() const { return BlockCount; }
    // Number of the first block, as memory reads address it.
    int firstBlock() const { return FirstBlock; }

    int filesWritten() const { return m_filesWritten; }
    int filesSent(int server) const { return m_filesSent[server]; }
    int fileCount() const { return FileCount; }

    bool holdsBlock(int number) const;
    // The 256 bytes of a block: the same for the same number in every run.
    QByteArray block(int number) const;

private:
    static constexpr int BlockCount = 4096;
    static constexpr int FirstBlock = 16;
    static constexpr int FileCount = 512;

    int m_seconds = 0;
    int m_written = 0;
    int m_sent[Servers] = {};
    int m_filesWritten = 0;
    int m_filesSent[Servers] = {};
};
