#include "log/LogModel.h"

#include "log/LogRows.h"
#include "protocol/ReceiveState.h"

#include <QPainter>

TLogModel::TLogModel(const TReceiveState &state, QObject *parent)
    : QAbstractListModel(parent)
    , m_state(state)
{
}

int TLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

void TLogModel::SetRowCount(int count)
{
    if (count == m_rows)
        return;
    if (count > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, count - 1);
        m_rows = count;
        endInsertRows();
    } else {
        beginResetModel();
        m_rows = count;
        endResetModel();
    }
}

void TLogModel::SetTextMode(bool hex, bool showEnter)
{
    // Rows are built when drawn: the view only needs to repaint.
    m_hex = hex;
    m_showEnter = showEnter;
}

QVariant TLogModel::data(const QModelIndex &index, int role) const
{
    const TPacketArray &shown = *m_state.ShownLog;
    if (!index.isValid() || index.row() >= shown.size())
        return QVariant();
    const TPacket &packet = shown[index.row()];
    switch (role) {
    case TimeRole:
        return LogRows::TimeText(packet);
    case DataRole:
        return LogRows::DataText(m_state.Buffer, packet, m_hex, LogRows::Use::List, m_showEnter);
    case Qt::DisplayRole:
        return QString(
            LogRows::TimeText(packet) + u'\t' +
            LogRows::DataText(m_state.Buffer, packet, m_hex, LogRows::Use::List, m_showEnter));
    case ColorRole: {
        // Rows received before the current detection began are greyed.
        const bool earlier = packet.Position < m_state.DetectionStartPosition();
        return QColor::fromRgb(earlier ? qRgb(128, 128, 128) : packet.Color());
    }
    case StateRole:
        return int(packet.State);
    default:
        return QVariant();
    }
}

void TLogDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    QFont font = option.font;
    font.setPointSize(11);
    painter->setFont(font);
    const QRect row = option.rect;
    if (selected) {
        painter->fillRect(row, option.palette.color(QPalette::Base).lighter(130));
        painter->setPen(option.palette.color(QPalette::WindowText));
        painter->drawText(row.left(), row.top() + painter->fontMetrics().ascent(),
                          QStringLiteral("►"));
    } else {
        painter->setPen(index.data(TLogModel::ColorRole).value<QColor>());
    }
    const int baseline = row.top() + 1 + painter->fontMetrics().ascent();
    painter->drawText(row.left() + 10, baseline, index.data(TLogModel::TimeRole).toString());
    painter->drawText(QRect(row.left() + 120, row.top() + 1, row.width() - 120, row.height()),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(TLogModel::DataRole).toString());
    painter->restore();
}

int TLogDelegate::RowHeight(QFont font)
{
    font.setPointSize(11);
    return QFontMetrics(font).height() + 2;
}

QSize TLogDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(100, RowHeight(option.font));
}
