#include "settings/Variant.h"

#include <QtTest>

Q_DECLARE_METATYPE(Variant)

class TestVariant : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void text_data();
    void text();
    void compare_data();
    void compare();
};

void TestVariant::text_data()
{
    QTest::addColumn<Variant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << Variant() << "";
    QTest::newRow("null") << Variant::null() << "";
    QTest::newRow("uint32 max") << Variant(quint32(4294967295u)) << "4294967295";
    QTest::newRow("int8") << Variant(qint8(-128)) << "-128";
    QTest::newRow("int64") << Variant(qint64(-9000000000)) << "-9000000000";
    QTest::newRow("real") << Variant(987.65) << "987.65";
    QTest::newRow("real, integral") << Variant(12.0) << "12";
    QTest::newRow("real, 15 digits") << Variant(0.1 + 0.2) << "0.3";
    QTest::newRow("real, large") << Variant(12345678.9) << "12345678.9";
    QTest::newRow("string") << Variant(QStringLiteral("TAG12 [-71 dBm]")) << "TAG12 [-71 dBm]";
}

void TestVariant::text()
{
    QFETCH(Variant, value);
    QFETCH(QString, text);
    QCOMPARE(value.toString(), text);
}

void TestVariant::compare_data()
{
    QTest::addColumn<Variant>("a");
    QTest::addColumn<Variant>("b");
    QTest::addColumn<bool>("comparable");
    QTest::addColumn<int>("order");
    QTest::newRow("integers across kinds") << Variant(quint8(2)) << Variant(qint64(2)) << true << 0;
    QTest::newRow("signed below unsigned")
        << Variant(qint32(-1)) << Variant(quint32(1)) << true << -1;
    QTest::newRow("uint32 above int32")
        << Variant(quint32(4294967295u)) << Variant(qint32(-1)) << true << 1;
    QTest::newRow("string against integer")
        << Variant(QStringLiteral("300")) << Variant(300) << true << 0;
    QTest::newRow("string spelling no number")
        << Variant(QStringLiteral("abc")) << Variant(1) << false << 0;
    QTest::newRow("empty equals empty") << Variant() << Variant() << true << 0;
    QTest::newRow("empty below integer") << Variant() << Variant(qint32(-5)) << true << -1;
    QTest::newRow("empty below string") << Variant() << Variant(QString()) << true << -1;
    QTest::newRow("strings") << Variant(QStringLiteral("a")) << Variant(QStringLiteral("b")) << true
                             << -1;
    QTest::newRow("real against integer") << Variant(2.5) << Variant(2) << true << 1;
}

void TestVariant::compare()
{
    QFETCH(Variant, a);
    QFETCH(Variant, b);
    QFETCH(bool, comparable);
    QFETCH(int, order);
    const auto result = Variant::compare(a, b);
    QCOMPARE(result.has_value(), comparable);
    if (comparable) {
        QCOMPARE(*result, order);
        QCOMPARE(*Variant::compare(b, a), -order);
    }
    QCOMPARE(a.sameAs(b), comparable && order == 0);
}

QTEST_GUILESS_MAIN(TestVariant)
#include "tst_variant.moc"
