#pragma once

#include <QAbstractListModel>
#include <QStyledItemDelegate>

struct TReceiveState;

// The data log as a virtual list over the shown packet log: it holds only a row count, and each
// row's texts are built from the receive buffer when the row is drawn.
class TLogModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        TimeRole = Qt::UserRole + 1,
        DataRole,
        ColorRole,
        StateRole
    };

    explicit TLogModel(const TReceiveState &state, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Shows the first `count` records of the shown log; a smaller count starts over.
    void SetRowCount(int count);
    void SetTextMode(bool hex, bool showEnter);

private:
    const TReceiveState &m_state;
    int m_rows = 0;
    bool m_hex = false;
    bool m_showEnter = false;
};

// Draws a log row: the time, the data, and the row's colour by its packet's state.
class TLogDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    static int RowHeight(QFont font);
};
