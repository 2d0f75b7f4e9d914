#include "log/LogModel.h"
#include "log/LogRows.h"
#include "shell/MainWindow.h"
#include "shell/Process.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

class TestDataLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void rowTexts_data();
    void rowTexts();
    void sentRows();
    void pauseKeepsCounting();
    void clickPausesAndDoubleClickCopies();
    void counterGrouping();
    void saveFormat();
    void saveToUnwritablePath();
    void sendAndModemNeedADevice();
    void clearEmptiesTheLog();

private:
    void Receive(const QByteArray &chunk);
    QTemporaryDir m_dir;
    TMF *m_window = nullptr;
};

void TestDataLog::initTestCase()
{
    Process::InitDataFolder(m_dir.filePath("data"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestDataLog::init()
{
    TOptions options;
    options.Language = 1;
    options.NoScan = true;
    m_window = new TMF(options);
    m_window->show();
    m_window->act_PageLogExecute();
}

void TestDataLog::cleanup()
{
    delete m_window;
}

void TestDataLog::Receive(const QByteArray &chunk)
{
    m_window->QReceiveData(nullptr, chunk.constData(), int(chunk.size()));
}

void TestDataLog::rowTexts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<int>("use");
    QTest::addColumn<bool>("showEnter");
    QTest::addColumn<QString>("text");
    const QByteArray chunk = QByteArray::fromHex("41420D0A43");
    const int list = int(LogRows::Use::List);
    QTest::newRow("text") << chunk << false << list << false << "AB\r\nC";
    QTest::newRow("text, line break shown") << chunk << false << list << true << "AB¶C";
    QTest::newRow("hex") << chunk << true << list << false << "41 42 0D 0A 43 ";
    QTest::newRow("only the first break")
        << QByteArray("A\r\nB\r\n") << false << list << true << "A¶B\r\n";
    QTest::newRow("byte E9") << QByteArray("\xE9") << false << list << false << "é";
    QTest::newRow("terminal copy")
        << chunk << false << int(LogRows::Use::Terminal) << false << "AB¶C";
    QTest::newRow("file") << chunk << false << int(LogRows::Use::File) << true << "ABC";
}

void TestDataLog::rowTexts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, hex);
    QFETCH(int, use);
    QFETCH(bool, showEnter);
    QFETCH(QString, text);
    TMemoryStreamEx buffer;
    buffer.Write("xx", 2);
    buffer.Write(bytes);
    const TPacket packet{0, 2, bytes.size(), TPacket::Received};
    QCOMPARE(LogRows::DataText(buffer, packet, hex, LogRows::Use(use), showEnter), text);
}

void TestDataLog::sentRows()
{
    const TPacket sent{ToDateTime(QDateTime(QDate(2023, 8, 9), QTime(14, 5, 33, 120))), 0, 3,
                       TPacket::Sent};
    QCOMPARE(LogRows::TimeText(sent), QStringLiteral("PC > DEVICE"));
    TPacket received = sent;
    received.State = TPacket::Received;
    QCOMPARE(LogRows::TimeText(received), QStringLiteral("14:05:33.120"));

    Receive("abc");
    m_window->FReceive.RawChunks.append({DateTimeNow(), 3, 0, TPacket::Sent});
    m_window->LogChange();
    QTRY_COMPARE(m_window->LogModel->rowCount(), 2);
    QCOMPARE(m_window->LogModel->index(1).data(TLogModel::ColorRole).value<QColor>(),
             QColor(176, 176, 0));
    QCOMPARE(m_window->LogModel->index(0).data(TLogModel::ColorRole).value<QColor>(),
             QColor(128, 128, 128));
}

void TestDataLog::pauseKeepsCounting()
{
    Receive("one");
    QTRY_COMPARE(m_window->LogModel->rowCount(), 1);
    m_window->SetFollow(false);
    QVERIFY(m_window->btnPause->isChecked());
    Receive("two");
    Receive("three");
    QCoreApplication::processEvents();
    QCOMPARE(m_window->LogModel->rowCount(), 1);
    QCOMPARE(m_window->InByteCountLabel->text(), QStringLiteral("Received: 11"));
    m_window->SetFollow(true);
    QVERIFY(m_window->btnPlay->isChecked());
    QCOMPARE(m_window->LogModel->rowCount(), 3);
    QCOMPARE(m_window->InListView->currentIndex().row(), 2);
}

void TestDataLog::clickPausesAndDoubleClickCopies()
{
    Receive(">DN=1\r\n");
    QTRY_COMPARE(m_window->LogModel->rowCount(), 1);
    Q_EMIT m_window->InListView->clicked(m_window->LogModel->index(0));
    QVERIFY(!m_window->FFollow);
    m_window->InListView->setCurrentIndex(m_window->LogModel->index(0));
    m_window->InListViewDblClick();
    QCOMPARE(m_window->SendMemo->toPlainText(), QStringLiteral(">DN=1¶"));
    m_window->InListView->setCurrentIndex(QModelIndex());
    m_window->InListViewDblClick();
    QVERIFY(m_window->SendMemo->toPlainText().isEmpty());
}

void TestDataLog::counterGrouping()
{
    m_window->FReceive.BytesReceived = 2500000;
    m_window->LogChange();
    QTRY_COMPARE(m_window->InByteCountLabel->text(), QStringLiteral("Received: 2,500,000"));
    QCOMPARE(m_window->OutByteCountLabel->text(), QStringLiteral("Sended: 0"));
}

void TestDataLog::saveFormat()
{
    m_window->SetHEX(false);
    Receive(">TW=1;2\r\n");
    Receive("x\xE9");
    const QString path = m_dir.filePath("traffic.log");
    QString error;
    QVERIFY(m_window->SaveLogTo(path, &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    const QList<QByteArray> lines = content.split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].endsWith("\t>TW=1;2\r"));
    QVERIFY(lines[1].endsWith("\tx\xE9\r")); // the device's byte is kept as it came
    QCOMPARE(lines[0].indexOf('\t'), 12);
}

void TestDataLog::saveToUnwritablePath()
{
    Receive("abc");
    QString error;
    const QString path = m_dir.filePath("no/such/folder/traffic.log");
    QVERIFY(!m_window->SaveLogTo(path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(m_window->FReceive.RawChunks.size(), 1);
}

void TestDataLog::sendAndModemNeedADevice()
{
    QVERIFY(!m_window->Q());
    m_window->SendMemo->setPlainText(">I 0");
    m_window->btn_SendClick();
    m_window->btnShowEnterClick();
    QCOMPARE(m_window->FReceive.BytesSent, qint64(0));
    QVERIFY(!m_window->FShowEnter);
    QVERIFY(!m_window->btnShowEnter->isChecked());
}

void TestDataLog::clearEmptiesTheLog()
{
    Receive("abc");
    m_window->SetFollow(false);
    m_window->act_ClearExecute();
    QVERIFY(m_window->FFollow);
    QCOMPARE(m_window->LogModel->rowCount(), 0);
    QCOMPARE(m_window->FReceive.BytesReceived, qint64(0));
    QCOMPARE(m_window->FReceive.DetectionStart, 0);
    QCOMPARE(m_window->FReceive.Buffer.Size(), qint64(3)); // the bytes stay
}

QTEST_MAIN(TestDataLog)
#include "tst_datalog.moc"
