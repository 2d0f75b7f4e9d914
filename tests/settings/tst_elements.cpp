#include "settings/Elements.h"
#include "support/FakeElementHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class TestElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void autoHideGrowsAndShrinksThroughSectionAndColumn();
    void emptyValueShowsNodataInGrey();
    void captionShortening_data();
    void captionShortening();
    void sectionHeights();
    void accordion();
    void sectionCaptionShowsLongForm();
    void passwordValidation_data();
    void passwordValidation();
    void lengthLimit();
    void integerLimits_data();
    void integerLimits();
    void flagAndList();
    void unreportedSettingIsFlagged();
    void tabsCheckOneAtATime();

private:
    FakeElementHost m_host;
    QWidget *m_page = nullptr;
};

void TestElements::init()
{
    m_host = FakeElementHost();
    TBaseClass::Host = &m_host;
    m_page = new QWidget;
    m_page->resize(400, 800);
}

void TestElements::cleanup()
{
    delete m_page;
    TBaseClass::Host = nullptr;
}

void TestElements::autoHideGrowsAndShrinksThroughSectionAndColumn()
{
    auto *column = new TColumnClass(m_page);
    auto *section = new TCaptionClass(column->FBody);
    section->AssignCaption("SECTION");
    section->AssignAutoHide(true);
    auto *item = new TItemClass(section->FBody);
    item->AssignAutoHide(true);
    column->UpdateHeight();
    QCOMPARE(item->FullHeight(), 0);
    QCOMPARE(section->FullHeight(), 0);
    QCOMPARE(column->FullHeight(), 0);

    item->SetValue(Variant(12));
    QCOMPARE(item->height(), 22);
    QCOMPARE(section->FullHeight(), 24 + 22 + 16);
    QCOMPARE(section->height(), 62);
    QCOMPARE(column->FullHeight(), 62);

    item->SetValue(Variant());
    QCOMPARE(item->height(), 0);
    QCOMPARE(section->height(), 0);
    QCOMPARE(column->FullHeight(), 0);
}

void TestElements::emptyValueShowsNodataInGrey()
{
    auto *item = new TItemClass(m_page);
    item->FUnits = "km/h";
    QCOMPARE(item->PaintedValue(), QStringLiteral("no data"));
    QCOMPARE(item->FullHeight(), 22); // no auto-hide: it stays
    item->SetValue(Variant::null());
    QCOMPARE(item->PaintedValue(), QStringLiteral("no data"));
    item->SetValue(Variant(12.5));
    QCOMPARE(item->PaintedValue(), QStringLiteral("12.5 km/h"));
}

void TestElements::captionShortening_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("caption");
    QTest::newRow("room for all") << 400 << "Engine running time";
    QTest::newRow("first word") << 120 << "Engine..";
    QTest::newRow("first letter") << 75 << "E..";
}

void TestElements::captionShortening()
{
    QFETCH(int, width);
    QFETCH(QString, caption);
    auto *item = new TItemClass(m_page);
    item->AssignCaption("Engine running time");
    const int valueWidth = item->fontMetrics().horizontalAdvance("1234567");
    const int captionWidth = item->fontMetrics().horizontalAdvance("Engine running time");
    const int wordWidth = item->fontMetrics().horizontalAdvance("Engine..");
    // The rows assume these proportions of the test font.
    QVERIFY(400 >= captionWidth + valueWidth + 12);
    QVERIFY(120 < captionWidth + valueWidth + 12 && 120 >= wordWidth + valueWidth + 12);
    QVERIFY(75 < wordWidth + valueWidth + 12);
    QCOMPARE(item->PaintedCaption(width, valueWidth), caption);
}

void TestElements::sectionHeights()
{
    auto *section = new TCaptionClass(m_page);
    section->AssignCaption("Modem");
    new TSeparatorClass(section->FBody);
    QCOMPARE(section->FullHeight(), 24 + 8 + 16);
    section->AssignFlipped(true);
    QCOMPARE(section->FullHeight(), 24 + 8);
    section->AssignCaption(QString());
    QCOMPARE(section->HeaderHeight(), 0);
    QCOMPARE(section->FullHeight(), 8);

    auto *hidden = new TCaptionClass(m_page);
    hidden->AssignCaption("CAN");
    hidden->AssignAutoHide(true);
    auto *item = new TItemClass(hidden->FBody);
    item->AssignAutoHide(true);
    QCOMPARE(hidden->FullHeight(), 0);
}

void TestElements::accordion()
{
    auto *column = new TColumnClass(m_page);
    QList<TCaptionClass *> sections;
    for (int i = 0; i < 3; ++i) {
        auto *section = new TCaptionClass(column->FBody);
        section->AssignCaption(QStringLiteral("S%1").arg(i));
        section->FSingle = i < 2;
        sections.append(section);
    }
    sections[0]->AssignFlipped(false);
    sections[1]->AssignFlipped(false);
    QVERIFY(sections[0]->FFlipped);
    QVERIFY(!sections[1]->FFlipped);
    QVERIFY(!sections[2]->FFlipped); // not in the group
    sections[0]->AssignFlipped(false);
    QVERIFY(sections[1]->FFlipped);
    QVERIFY(!sections[2]->FFlipped);
}

void TestElements::sectionCaptionShowsLongForm()
{
    auto *section = new TCaptionClass(m_page);
    section->AssignCaption("ПАРАМЕТРЫ УСТРОЙСТВА|ПАРАМЕТРЫ");
    QCOMPARE(section->FLabel->text(), QStringLiteral("ПАРАМЕТРЫ УСТРОЙСТВА"));
    QCOMPARE(section->HeaderHeight(), 24);
}

void TestElements::passwordValidation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("five") << "12345"
                          << "Password must contain exactly 6 characters";
    QTest::newRow("seven") << "1234567"
                           << "Password must contain exactly 6 characters";
    QTest::newRow("six") << "123456"
                         << "";
}

void TestElements::passwordValidation()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    auto *editor = new TStringClass(m_page);
    editor->SetSetting(5);
    editor->FMax = Variant(6);
    editor->AssignCaption("Password");
    editor->Edit()->setText("x");
    editor->Edit()->setText(text);
    QCOMPARE(m_host.errors[5], error);
}

void TestElements::lengthLimit()
{
    auto *editor = new TStringClass(m_page);
    editor->SetSetting(48);
    editor->FMax = Variant(20);
    editor->AssignCaption("APN");
    editor->Edit()->setText(QString(21, u'a'));
    QCOMPARE(m_host.errors[48], QStringLiteral("Maximum length of value parameter \"APN\": 20"));
    editor->Edit()->setText(QString(20, u'a'));
    QCOMPARE(m_host.errors[48], QString());
    auto *unlimited = new TStringClass(m_page);
    unlimited->SetSetting(49);
    unlimited->Edit()->setText(QString(300, u'a'));
    QCOMPARE(m_host.errors[49], QString());
}

void TestElements::integerLimits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("minus sign") << "-"
                                << "";
    QTest::newRow("plus sign") << "+"
                               << "";
    QTest::newRow("lowest") << "-55"
                            << "";
    QTest::newRow("below") << "-56"
                           << "Minimum value parameter \"Temperature\": -55";
    QTest::newRow("above") << "126"
                           << "Maximum value parameter \"Temperature\": 125";
    QTest::newRow("no number reads as 0") << "abc"
                                          << "";
}

void TestElements::integerLimits()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    auto *editor = new TIntegerClass(m_page);
    editor->SetSetting(70);
    editor->FMin = Variant(-55);
    editor->FMax = Variant(125);
    editor->AssignCaption("Temperature");
    editor->Edit()->setText("1");
    editor->Edit()->setText(text);
    QCOMPARE(m_host.errors[70], error);

    auto *wide = new TIntegerClass(m_page);
    wide->FMax = Variant(qint64(4294967295));
    wide->Edit()->setText("4294967295");
    QCOMPARE(wide->GetValue().toString(), QStringLiteral("4294967295"));
}

void TestElements::flagAndList()
{
    auto *flag = new TFlagClass(m_page);
    flag->SetValue(Variant(1));
    QVERIFY(flag->Check()->isChecked());
    QCOMPARE(flag->GetValue().toString(), QStringLiteral("1"));
    flag->SetValue(Variant(QStringLiteral("0")));
    QVERIFY(!flag->Check()->isChecked());
    flag->SetValue(Variant(QStringLiteral("1")));
    QVERIFY(flag->Check()->isChecked());
    flag->SetValue(Variant());
    QVERIFY(!flag->Check()->isChecked());

    auto *list = new TListClass(m_page);
    list->AddDicItem(0, "UnitsOFF");
    list->AddDicItem(1, "UnitsON");
    list->AddDicItem(2, "Error");
    list->Init();
    QCOMPARE(list->Combo()->itemText(1), QStringLiteral("On"));
    list->SetValue(Variant(2));
    QCOMPARE(list->Combo()->currentIndex(), 2);
    list->SetValue(Variant(7));
    QCOMPARE(list->GetValue().toString(), QStringLiteral("2"));
    list->SetValue(Variant(QStringLiteral("abc")));
    QCOMPARE(list->Combo()->currentIndex(), 2);
    m_host.language = 0;
    list->Init();
    QCOMPARE(list->Combo()->itemText(1), QStringLiteral("Вкл"));
    QCOMPARE(list->Combo()->currentIndex(), 2);
    list->SetValue(Variant());
    QVERIFY(list->GetValue().isEmpty());
}

void TestElements::unreportedSettingIsFlagged()
{
    auto *list = new TListClass(m_page);
    list->AssignCaption("Protocol");
    list->Colorize();
    QCOMPARE(list->FCLabel->palette().color(QPalette::WindowText), QColor(Qt::red));
    QFocusEvent focusIn(QEvent::FocusIn);
    QCoreApplication::sendEvent(list->Combo(), &focusIn);
    QVERIFY(!list->Combo()->isEnabled());
    QCOMPARE(m_host.hints.constLast().second,
             QStringLiteral("The parameter \"Protocol\" is not available for use. Please update "
                            "your device."));
    QFocusEvent focusOut(QEvent::FocusOut);
    QCoreApplication::sendEvent(list->Combo(), &focusOut);
    QVERIFY(list->Combo()->isEnabled());
}

void TestElements::tabsCheckOneAtATime()
{
    auto *strip = new QWidget(m_page);
    strip->resize(300, 10);
    auto *first = new TTabPanel(strip);
    auto *second = new TTabPanel(strip);
    QCOMPARE(strip->height(), 96);
    QCOMPARE(second->FIndex, 1);
    auto *page1 = new TColumnClass(m_page);
    auto *page2 = new TColumnClass(m_page);
    first->FWinControl = page1;
    second->FWinControl = page2;
    first->AssignChecked(true);
    second->AssignChecked(true);
    QVERIFY(!first->FChecked);
    QVERIFY(second->FChecked);
    QVERIFY(page2->isVisibleTo(m_page));
    QVERIFY(!page1->isVisibleTo(m_page));
    QCOMPARE(strip->property("Tag").toInt(), 1);
}

QTEST_MAIN(TestElements)
#include "tst_elements.moc"
