// The data log with two million records: open it, scroll to the end and repaint.
#include "log/LogModel.h"
#include "BenchWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>

#include <cstdio>

namespace {

double timed(const std::function<void()> &step)
{
    QElapsedTimer clock;
    clock.start();
    step();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BenchWindow window;
    window->act_PageLogExecute();
    window->SetFollow(false);
    QCoreApplication::processEvents();

    const int records = 2000000;
    const QByteArray line = ">GS=9;0;153;11;274\r\n";
    TReceiveState &state = window->FReceive;
    state.RawChunks.reserve(records);
    for (int i = 0; i < records; ++i) {
        state.RawChunks.append({DateTimeNow(), state.Buffer.Size(), line.size(),
                                quint8(i % 5 == 0 ? TPacket::Sent : TPacket::Received)});
        state.Buffer.Write(line);
    }

    const double open = timed([&] {
        window->SetFollow(true);
        QCoreApplication::processEvents();
    });
    const double toEnd = timed([&] {
        window->InListView->scrollToBottom();
        window->InListView->viewport()->repaint();
    });
    const double toMiddle = timed([&] {
        window->InListView->verticalScrollBar()->setValue(
            window->InListView->verticalScrollBar()->maximum() / 2);
        window->InListView->viewport()->repaint();
    });
    const double repaint = timed([&] { window->InListView->viewport()->repaint(); });
    const double hex = timed([&] {
        window->SetHEX(true);
        window->InListView->viewport()->repaint();
    });
    std::printf("data log, %d records: open %.1f ms, scroll to end %.1f ms, scroll to middle "
                "%.1f ms, repaint %.1f ms, switch to hex %.1f ms; %zu bytes per record, "
                "%d rows in the model\n",
                records, open, toEnd, toMiddle, repaint, hex, sizeof(TPacket),
                window->LogModel->rowCount());
    return 0;
}
