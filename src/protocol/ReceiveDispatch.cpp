// Every chunk a serial port delivers enters the program here: it is stored, handed to the
// current generation's assembler, or, while the generation is unknown, to all three until one
// of them clearly recognises more than the other two together.
#include "i18n/Dictionary.h"
#include "link/PortInfo.h"
#include "link/PortInfoList.h"
#include "log/LogModel.h"
#include "protocol/version1/Version1.h"
#include "protocol/version2/Version2.h"
#include "protocol/version3/Version3.h"
#include "shell/MainWindow.h"
#include "shell/Trace.h"

#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace {

// The console's answers, and the longest of them: a chunk keeps that much of the one before,
// so an answer cut in two is still seen.
const char *const ConsoleAnswerTexts[] = {"DEVICE PASSWORD ERROR", "DEVICE PASSWORD OK",
                                          "[Press ENTER to execute the previous command again]",
                                          "Settings write OK EXTFLASH",
                                          "Settings write Error EXTFLASH"};
constexpr qsizetype LongestConsoleAnswer = 51;

// Recognised packets of a generation array that began at or after `from` (the current
// detection): packets of an earlier device do not vote.
int CountRecognised(const TPacketArray &packets, qint64 from)
{
    const auto first = std::lower_bound(
        packets.cbegin(), packets.cend(), from,
        [](const TPacket &packet, qint64 position) { return packet.Position < position; });
    return int(std::count_if(first, packets.cend(), [](const TPacket &packet) {
        return packet.State == TPacket::Recognised;
    }));
}

} // namespace

void TMF::CreateProtocols()
{
    m_version1 = std::make_unique<TVersion1>(FReceive, *this);
    m_version2 = std::make_unique<TVersion2>(FReceive, *this);
    m_version3 = std::make_unique<TVersion3>(FReceive, *this);
}

void TMF::QWaitData(TCommPortDriver *sender, const char *data, int size)
{
    const int index = PortList->IndexOfDriver(sender);
    if (index < 0)
        return;
    SetPortIndex(index);
    QReceiveData(sender, data, size);
}

void TMF::Assemble(TVersionType version, qint64 rawIndex)
{
    switch (version) {
    case vtVersion1:
        m_version1->AssembleVersion1(rawIndex);
        break;
    case vtVersion2:
        m_version2->AssembleVersion2(rawIndex);
        break;
    case vtVersion3:
        m_version3->AssembleVersion3(rawIndex);
        break;
    default:
        break;
    }
}

void TMF::QReceiveData(TCommPortDriver *sender, const char *data, int size)
{
    const TVersionType entryVersion = FVersion;
    qsizetype touched = FReceive.Version1Packets.size();
    if (touched > 0 && FReceive.Version1Packets.constLast().State == TPacket::Open)
        --touched;

    FReceive.Buffer.Write(data, size);
    FReceive.RawChunks.append(
        {DateTimeNow(), FReceive.Buffer.Size() - size, size, TPacket::Received});
    const qint64 chunk = FReceive.RawChunks.size() - 1;
    if (Trace::enabled()) {
        const int index = PortList->IndexOfDriver(sender);
        Trace::write(
            {{QStringLiteral("t"), QStringLiteral("recv")},
             {QStringLiteral("port"), index >= 0 ? PortList->Get(index)->PortName() : QString()},
             {QStringLiteral("hex"),
              QString::fromLatin1(QByteArray(data, size).toHex().toUpper())}});
    }

    if (FVersion == vtDetect)
        Detect(chunk);
    else
        Assemble(FVersion, chunk);

    if (TPortInfo *device = Q()) {
        if (device->Operation() == 1 && size == 5)
            QOperationData1(chunk);
        if (device->Operation() == 2 || device->Operation() == 3) {
            for (qsizetype i = touched; i < FReceive.Version1Packets.size(); ++i)
                QOperationData2(i);
        }
        if (device->DeviceVer() == u"1")
            ConsoleAnswers(QByteArray(data, size));
    }

    FReceive.BytesReceived += size;
    LogChange();
    if (entryVersion == vtDetect && FVersion != vtDetect) {
        CheckNameTimer->start();
        CheckNameTimerTimer();
    }
}

TVersionType TMF::Elect(int c1, int c2, int c3)
{
    if (c2 + c3 < c1)
        return vtVersion1;
    if (c1 + c3 < c2)
        return vtVersion2;
    if (c1 + c2 < c3)
        return vtVersion3;
    return vtDetect;
}

void TMF::Detect(qint64 chunk)
{
    const qint64 from = FReceive.DetectionStartPosition();
    m_version1->AssembleVersion1(chunk);
    const int c1 = CountRecognised(FReceive.Version1Packets, from);
    m_version2->AssembleVersion2(chunk);
    const int c2 = CountRecognised(FReceive.Version2Packets, from);
    m_version3->AssembleVersion3(chunk);
    const int c3 = CountRecognised(FReceive.Version3Packets, from);

    const TVersionType elected = Elect(c1, c2, c3);
    if (elected == vtDetect)
        return;

    TPacketArray &packets = elected == vtVersion1   ? FReceive.Version1Packets
                            : elected == vtVersion2 ? FReceive.Version2Packets
                                                    : FReceive.Version3Packets;
    packets.clear();
    SetVersion(elected);
    if (elected == vtVersion3) {
        if (TPortInfo *hub = Q()) {
            hub->SetDeviceVer(QStringLiteral("250"));
            hub->SetDevicePassword(QStringLiteral("470913"));
        }
        act_PageSettingsExecute();
    }
    // The elected generation sees every chunk of this detection again, this time for real.
    for (qint64 raw = qMax(0, FReceive.DetectionStart); raw < FReceive.RawChunks.size(); ++raw) {
        Assemble(elected, raw);
        if (elected == vtVersion3)
            SetFollow(true);
    }
    SetFollow(true);
    MainHintShow(1, Tr(QStringLiteral("mes_devicestart")));
    act_PageInfoExecute();
}

void TMF::ConsoleAnswers(const QByteArray &chunk)
{
    TPortInfo *device = Q();
    const QByteArray text = m_consoleTail + chunk;
    const qsizetype fresh = m_consoleTail.size();
    // Only an answer that ends in the new chunk counts: one answer is acted on once.
    const auto answered = [&text, fresh](const char *answer) {
        const qsizetype length = qsizetype(qstrlen(answer));
        const qsizetype found = text.indexOf(answer, qMax<qsizetype>(0, fresh - length + 1));
        return found >= 0;
    };
    if (answered(ConsoleAnswerTexts[0])) {
        device->SetReadLocked(true);
        MainHintShow(1, Tr(QStringLiteral("mes_passwordneed")));
    }
    if (answered(ConsoleAnswerTexts[1]) || answered(ConsoleAnswerTexts[2])) {
        device->SetReadLocked(false);
        device->SetDevicePassword(device->UserPassword());
    }
    if (answered(ConsoleAnswerTexts[3]))
        MainHintShow(1, Tr(QStringLiteral("SR1")));
    if (answered(ConsoleAnswerTexts[4]))
        MainHintShow(1, Tr(QStringLiteral("SR0")));
    m_consoleTail = text.right(LongestConsoleAnswer - 1);
}

void TMF::Generation3Probe()
{
    // A hub stays silent until asked. Asked once per detection, and only while nothing has
    // been received: the strings the program sends itself (the tile's type request, for one)
    // must not keep a silent hub from being found.
    TPortInfo *device = Q();
    if (!device || FVersion != vtDetect || m_probed)
        return;
    if ((DateTimeNow() - device->FActiveTime) * 86400.0 <= 2.0)
        return;
    const auto received = std::any_of(
        FReceive.RawChunks.cbegin() +
            qBound<qsizetype>(0, qsizetype(FReceive.DetectionStart), FReceive.RawChunks.size()),
        FReceive.RawChunks.cend(),
        [](const TPacket &packet) { return packet.State != TPacket::Sent; });
    if (received)
        return;
    const qsizetype logged = FReceive.RawChunks.size();
    device->SendAnsiString(AppendCrc8(QByteArray::fromHex("3110B0")));
    m_probed = FReceive.RawChunks.size() > logged; // a failed write is tried again next tick
}

void TMF::SetVersion(TVersionType version)
{
    ClearControlsRecursive(this);
    switch (version) {
    case vtDetect:
        FReceive.DetectionStart = int(FReceive.RawChunks.size());
        FReceive.ShownLog = &FReceive.RawChunks;
        m_consoleTail.clear();
        m_probed = false;
        break;
    case vtVersion0:
        FReceive.ShownLog = &FReceive.RawChunks;
        break;
    case vtVersion1:
        SetHEX(false);
        FReceive.ShownLog = &FReceive.Version1Packets;
        break;
    case vtVersion2:
        SetHEX(true);
        FReceive.ShownLog = &FReceive.Version2Packets;
        break;
    case vtVersion3:
        SetHEX(true);
        FReceive.ShownLog = &FReceive.Version3Packets;
        break;
    }
    LogModel->SetRowCount(0);
    LogModel->SetRowCount(int(FReceive.ShownLog->size()));
    InListView->viewport()->update();
    if (version != FVersion)
        FSettingsReady = false;
    FVersion = version;
    Trace::write({{QStringLiteral("t"), QStringLiteral("version")},
                  {QStringLiteral("version"), VersionName(version)}});
}

void TMF::QOperationData1(qint64) {}
void TMF::QOperationData2(qint64) {}
