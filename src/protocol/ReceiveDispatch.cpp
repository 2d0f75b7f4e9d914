// Every chunk a serial port delivers enters the program here.
#include "link/PortInfo.h"
#include "link/PortInfoList.h"
#include "log/LogModel.h"
#include "shell/MainWindow.h"
#include "shell/Trace.h"

#include <QTableView>

void TMF::QWaitData(TCommPortDriver *sender, const char *data, int size)
{
    const int index = PortList->IndexOfDriver(sender);
    if (index < 0)
        return;
    SetPortIndex(index);
    QReceiveData(sender, data, size);
}

void TMF::QReceiveData(TCommPortDriver *sender, const char *data, int size)
{
    FReceive.Buffer.Write(data, size);
    FReceive.RawChunks.append(
        {DateTimeNow(), FReceive.Buffer.Size() - size, size, TPacket::Received});
    FReceive.BytesReceived += size;
    if (Trace::enabled()) {
        const int index = PortList->IndexOfDriver(sender);
        Trace::write(
            {{QStringLiteral("t"), QStringLiteral("recv")},
             {QStringLiteral("port"), index >= 0 ? PortList->Get(index)->PortName() : QString()},
             {QStringLiteral("hex"),
              QString::fromLatin1(QByteArray(data, size).toHex().toUpper())}});
    }
    LogChange();
}

void TMF::SetVersion(TVersionType version)
{
    ClearControlsRecursive(this);
    switch (version) {
    case vtDetect:
        FReceive.DetectionStart = int(FReceive.RawChunks.size());
        FReceive.ShownLog = &FReceive.RawChunks;
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
