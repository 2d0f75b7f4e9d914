#include "monitor/MonitorLayout.h"
#include "settings/Elements.h"
#include "support/FakeElementHost.h"

#include <QLabel>
#include <QtTest>

class TestMonitorLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void panelNameIgnoresCase();
    void hideNeedsTheInteger1_data();
    void hideNeedsTheInteger1();
    void singleJoinsTheAccordion_data();
    void singleJoinsTheAccordion();
    void unitsOfItemsAndIntegers();
    void unknownThingsAreSkipped();
    void malformedLayoutBuildsNothing();

private:
    QList<TBaseClass *> Build(const QByteArray &xml);
    FakeElementHost m_host;
    QWidget *m_panel = nullptr;
};

void TestMonitorLayout::init()
{
    TBaseClass::Host = &m_host;
    m_panel = new QWidget;
}

void TestMonitorLayout::cleanup()
{
    delete m_panel;
    TBaseClass::Host = nullptr;
}

QList<TBaseClass *> TestMonitorLayout::Build(const QByteArray &xml)
{
    QString error;
    TMonitorLayout({{QStringLiteral("panels1"), m_panel}}).Build(xml, &error);
    return m_panel->findChildren<TBaseClass *>(Qt::FindDirectChildrenOnly);
}

void TestMonitorLayout::panelNameIgnoresCase()
{
    const auto built = Build(R"(<ROOT><panel NAME="panels1"><Item ident="_Speed"/></panel>
                                <panel name="PanelX"><item ident="_Lost"/></panel></ROOT>)");
    QCOMPARE(built.size(), 1);
    QCOMPARE(built[0]->FIdent, QStringLiteral("_Speed"));
    QCOMPARE(built[0]->FCaption, QStringLiteral("Speed"));
}

void TestMonitorLayout::hideNeedsTheInteger1_data()
{
    QTest::addColumn<QString>("hide");
    QTest::addColumn<bool>("autoHide");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("2") << "2" << false;
    QTest::newRow("word") << "yes" << false;
    QTest::newRow("missing") << "" << false;
}

void TestMonitorLayout::hideNeedsTheInteger1()
{
    QFETCH(QString, hide);
    QFETCH(bool, autoHide);
    const QByteArray attribute = hide.isEmpty() ? QByteArray() : " hide=\"" + hide.toUtf8() + '"';
    const auto built =
        Build("<root><panel name=\"PanelS1\"><item ident=\"a\"" + attribute + "/></panel></root>");
    QCOMPARE(built[0]->FAutoHide, autoHide);
}

void TestMonitorLayout::singleJoinsTheAccordion_data()
{
    QTest::addColumn<QString>("single");
    QTest::addColumn<bool>("inGroup");
    QTest::addColumn<bool>("collapsed");
    QTest::newRow("1: collapsed") << "1" << true << true;
    QTest::newRow("2: expanded") << "2" << true << false;
    QTest::newRow("0") << "0" << false << false;
}

void TestMonitorLayout::singleJoinsTheAccordion()
{
    QFETCH(QString, single);
    QFETCH(bool, inGroup);
    QFETCH(bool, collapsed);
    const auto built = Build("<root><panel name=\"PanelS1\"><section ident=\"s\" single=\"" +
                             single.toUtf8() + "\"/></panel></root>");
    auto *section = static_cast<TCaptionClass *>(built[0]);
    QCOMPARE(section->FSingle, inGroup);
    QCOMPARE(section->FFlipped, collapsed);
}

void TestMonitorLayout::unitsOfItemsAndIntegers()
{
    const auto built = Build(R"(<root><panel name="PanelS1">
        <item ident="_Speed" units="Units_KMH"/>
        <integer ident="_Speed" units="Units_KMH"/>
        <string ident="_Speed" units="Units_KMH"/></panel></root>)");
    QCOMPARE(built.size(), 3);
    QCOMPARE(static_cast<TItemClass *>(built[0])->FUnits, QStringLiteral("km/h"));
    QCOMPARE(built[1]->Kind(), TElementKind::Integer);
    QCOMPARE(static_cast<TControlClass *>(built[1])->FUnits, QStringLiteral("Units_KMH"));
    QCOMPARE(static_cast<TControlClass *>(built[2])->FUnits, QStringLiteral("km/h"));
    QCOMPARE(static_cast<TControlClass *>(built[1])->FSetting, 0);
}

void TestMonitorLayout::unknownThingsAreSkipped()
{
    const auto built = Build(R"(<root><panel name="PanelS1"><!-- note -->text
        <button ident="OUT0" ru="x"/><line/><column><item ident="a"><item ident="inner"/></item>
        <separator/></column></panel></root>)");
    QCOMPARE(built.size(), 1);
    auto *column = static_cast<TColumnClass *>(built[0]);
    QVERIFY(column->FEquil);
    QCOMPARE(column->FBody->findChildren<TBaseClass *>().size(), 2); // item and separator only
}

void TestMonitorLayout::malformedLayoutBuildsNothing()
{
    QString error;
    QVERIFY(!TMonitorLayout({{QStringLiteral("panels1"), m_panel}})
                 .Build("<root><panel name=\"PanelS1\"><item></root>", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(m_panel->findChildren<TBaseClass *>().isEmpty());
    QVERIFY(!TMonitorLayout({{QStringLiteral("panels1"), m_panel}})
                 .Build("<layout><panel name=\"PanelS1\"><item/></panel></layout>", &error));
}

QTEST_MAIN(TestMonitorLayout)
#include "tst_monitorlayout.moc"
