#include "profiles/LineSplitter.h"

namespace {

// A line that never ends is garbage; keep the buffer from growing without bound.
constexpr qsizetype MaxPending = 4096;

} // namespace

QList<QByteArray> LineSplitter::feed(const QByteArray &bytes)
{
    m_pending.append(bytes);
    QList<QByteArray> lines;
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        QByteArray line = m_pending.left(end);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        m_pending.remove(0, end + 1);
    }
    if (m_pending.size() > MaxPending)
        m_pending.clear();
    return lines;
}
