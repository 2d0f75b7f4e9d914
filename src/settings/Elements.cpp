#include "settings/Elements.h"

#include "i18n/Dictionary.h"
#include "monitor/ElementIndex.h"
#include "settings/ElementHost.h"
#include "shell/Icons.h"
#include "shell/Theme.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>

TElementHost *TBaseClass::Host = nullptr;

TBaseClass *AsElement(QObject *object)
{
    return qobject_cast<TBaseClass *>(object);
}

namespace {

// A plain panel inside an element that holds its children.
QWidget *body(QWidget *owner)
{
    auto *panel = new QWidget(owner);
    panel->setObjectName(QStringLiteral("Body"));
    return panel;
}

int rounded(double value)
{
    return int(std::lround(value));
}

} // namespace

// --- TBaseClass -----------------------------------------------------------------------------

TBaseClass::TBaseClass(QWidget *parent)
    : QWidget(parent)
{
}

TBaseClass::~TBaseClass()
{
    TElementIndex::Instance().Remove(this, FIdent);
}

QString TBaseClass::Tr(const QString &key)
{
    return Translate(Host ? Host->Language() : 0, key);
}

void TBaseClass::AddDicItem(qint32 id, const QString &dict)
{
    FValues.append({id, dict, 0});
}

bool TBaseClass::Changed()
{
    return !GetValue().sameAs(FBackValue);
}

void TBaseClass::AssignIdent(const QString &ident)
{
    TElementIndex::Instance().Rename(this, FIdent, ident);
    FIdent = ident;
}

void TBaseClass::AssignAutoHide(bool autoHide)
{
    FAutoHide = autoHide;
    resize(width(), FullHeight());
}

void TBaseClass::AssignVisible(bool visible)
{
    FVisible = visible;
}

void TBaseClass::AssignCaption(const QString &caption)
{
    FCaption = caption.section(u'|', 0, 0);
}

int TBaseClass::FullHeight() const
{
    return height();
}

void TBaseClass::SetValue(const Variant &value)
{
    FValue = value;
    FBackValue = value;
    FShowValue = value;
    if (FAutoHide && FullHeight() != height())
        UpdateHeight();
    update();
}

Variant TBaseClass::GetValue()
{
    return FValue;
}

void TBaseClass::Init() {}

void TBaseClass::SetColor(const QColor &color)
{
    FColor = color;
}

void TBaseClass::UpdateHeight()
{
    resize(width(), FullHeight());
    QWidget *container = parentWidget();
    if (!container)
        return;
    QWidget *outer = container->parentWidget();
    if (TBaseClass *element = AsElement(outer))
        element->UpdateHeight();
    // The page around the outermost element re-runs its layout once things settle.
    if (outer && !AsElement(outer))
        QCoreApplication::postEvent(outer, new QEvent(QEvent::LayoutRequest));
    else if (TBaseClass *element = AsElement(outer))
        element->Relayout();
}

void TBaseClass::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

// --- TItemClass -----------------------------------------------------------------------------

TItemClass::TItemClass(QWidget *parent)
    : TBaseClass(parent)
{
    setMouseTracking(false);
    resize(width(), 22);
}

int TItemClass::FullHeight() const
{
    return FAutoHide && FValue.isEmpty() ? 0 : 22;
}

QString TItemClass::PaintedValue() const
{
    if (FValue.isEmptyOrNull())
        return Tr(QStringLiteral("Nodata"));
    const QString text = FShowValue.toString();
    return FUnits.isEmpty() ? text : text + u' ' + FUnits;
}

QString TItemClass::PaintedCaption(int width, int valueWidth) const
{
    // Only a right-aligned value that still leaves no room shortens the caption.
    const QFontMetrics metrics = fontMetrics();
    if (width >= metrics.horizontalAdvance(FCaption) + valueWidth + 12)
        return FCaption;
    const qsizetype blank = FCaption.indexOf(u' ');
    if (blank > 0) {
        const QString shortened = FCaption.left(blank) + QStringLiteral("..");
        if (width >= metrics.horizontalAdvance(shortened) + valueWidth + 12)
            return shortened;
    }
    return FCaption.left(1) + QStringLiteral("..");
}

void TItemClass::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QString value = PaintedValue();
    const int w = width();
    const int half = w / 2;
    const int captionWidth = metrics.horizontalAdvance(FCaption);
    const int valueWidth = metrics.horizontalAdvance(value);
    int valueLeft;
    if (half >= captionWidth + 12 && half >= valueWidth)
        valueLeft = half;
    else if (w >= captionWidth + valueWidth + 12 && half >= valueWidth)
        valueLeft = captionWidth + 12;
    else
        valueLeft = w - valueWidth;
    const QString caption = PaintedCaption(w, valueWidth);
    setToolTip(caption == FCaption ? QString() : FCaption);

    const int baseline = 3 + metrics.ascent();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(0, baseline, caption);
    painter.setPen(FValue.isEmptyOrNull() ? QColor(ElementGrey)
                                          : (FColor.isValid() ? FColor : QColor(ElementGreen)));
    painter.drawText(valueLeft, baseline, value);

    // The dotted rule from the caption to the right edge.
    painter.setPen(QColor(ElementGrey));
    const int y = height() - 1;
    for (int x = metrics.horizontalAdvance(caption); x < w; ++x) {
        if (x % 3 == 0)
            painter.drawPoint(x, y);
    }
}

void TItemClass::enterEvent(QEnterEvent *)
{
    if (!FValueAlter.toString().isEmpty()) {
        FShowValue = FValueAlter;
        update();
    }
}

void TItemClass::leaveEvent(QEvent *)
{
    if (FShowValue.toString() != FValue.toString()) {
        FShowValue = FValue;
        update();
    }
}

void TItemClass::mouseDoubleClickEvent(QMouseEvent *)
{
    const QString text = FValue.toString();
    QApplication::clipboard()->setText(text);
    if (Host)
        Host->MainHintShow(2, Tr(QStringLiteral("mes_copyclipboard")) + QStringLiteral(" \"") +
                                  text + u'"');
}

// --- TCaptionClass --------------------------------------------------------------------------

TCaptionClass::TCaptionClass(QWidget *parent)
    : TBaseClass(parent)
{
    FHeader = new QWidget(this);
    FHeader->setObjectName(QStringLiteral("Header"));
    FImage = new QLabel(FHeader);
    FImage->setGeometry(4, 4, 16, 16);
    FImage->setCursor(Qt::PointingHandCursor);
    FImage->installEventFilter(this);
    FLabel = new QLabel(FHeader);
    QFont bold = FLabel->font();
    bold.setBold(true);
    FLabel->setFont(bold);
    FSeparator = new QWidget(FHeader);
    FSeparator->setAutoFillBackground(true);
    QPalette rule = FSeparator->palette();
    rule.setColor(QPalette::Window, QColor(ElementSilver));
    FSeparator->setPalette(rule);
    FBody = body(this);
    AssignIcon(QString());
    AssignCaption(QString());
}

void TCaptionClass::AssignCaption(const QString &caption)
{
    FCaption = caption;
    FLabel->setText(caption.section(u'|', 0, 0));
    FLabel->adjustSize();
    FHeader->setVisible(!caption.isEmpty());
    Relayout();
}

void TCaptionClass::AssignIcon(const QString &name)
{
    FImage->setPixmap(Icons::Pixmap(name.isEmpty() ? QStringLiteral("I_DEFAULT") : name, 16));
}

TCaptionClass::Measure TCaptionClass::MeasureBody() const
{
    Measure measure;
    for (QObject *child : FBody->children()) {
        TBaseClass *element = AsElement(child);
        if (!element)
            continue;
        const int h = element->FullHeight();
        if (element->Kind() == TElementKind::Column) {
            measure.columns = qMax(measure.columns, h);
            ++measure.count;
        } else {
            measure.plain += h;
        }
    }
    return measure;
}

int TCaptionClass::FullHeight() const
{
    const Measure measure = MeasureBody();
    if (FAutoHide && measure.plain + measure.columns == 0)
        return 0;
    if (FFlipped)
        return HeaderHeight() + 8;
    return HeaderHeight() + measure.plain + measure.columns + 16;
}

void TCaptionClass::AssignFlipped(bool flipped)
{
    FFlipped = flipped;
    if (flipped)
        UpdateHeight();
    if (FSingle && !flipped && parentWidget()) {
        for (QObject *sibling : parentWidget()->children()) {
            auto *section = qobject_cast<TCaptionClass *>(sibling);
            if (section && section != this && section->FSingle && !section->FFlipped)
                section->AssignFlipped(true);
        }
    }
    if (!flipped)
        UpdateHeight();
}

bool TCaptionClass::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FImage && event->type() == QEvent::MouseButtonPress) {
        AssignFlipped(!FFlipped);
        return true;
    }
    return TBaseClass::eventFilter(watched, event);
}

void TCaptionClass::Relayout()
{
    const int header = HeaderHeight();
    FHeader->setGeometry(0, 0, width(), header);
    FLabel->move(28, 4);
    const int ruleLeft = FLabel->width() + 40;
    FSeparator->setGeometry(ruleLeft, 11, qMax(0, width() - ruleLeft), 1);
    FBody->setGeometry(0, header + 8, width() - 2, qMax(0, height() - header - 16));
    FBody->setVisible(!FFlipped);

    const Measure measure = MeasureBody();
    int column = 0;
    int top = 0;
    const int columnWidth =
        measure.count > 0 ? (FBody->width() - 24 * (measure.count - 1)) / measure.count : 0;
    for (QObject *child : FBody->children()) {
        TBaseClass *element = AsElement(child);
        if (!element)
            continue;
        if (element->Kind() == TElementKind::Column) {
            element->setGeometry(column * (columnWidth + 24), measure.plain, columnWidth,
                                 measure.columns);
            ++column;
            continue;
        }
        const int h = element->FullHeight();
        element->setGeometry(0, top, FBody->width() - 1, h);
        element->setVisible(h > 0);
        top += h;
    }
}

// --- TSeparatorClass, TColumnClass ----------------------------------------------------------

TSeparatorClass::TSeparatorClass(QWidget *parent)
    : TBaseClass(parent)
{
    resize(width(), 8);
}

TColumnClass::TColumnClass(QWidget *parent)
    : TBaseClass(parent)
{
    FBody = body(this);
}

int TColumnClass::FullHeight() const
{
    int sum = 0;
    for (QObject *child : FBody->children()) {
        if (TBaseClass *element = AsElement(child))
            sum += element->FullHeight();
    }
    return sum;
}

void TColumnClass::Relayout()
{
    QList<TBaseClass *> children;
    for (QObject *child : FBody->children()) {
        if (TBaseClass *element = AsElement(child))
            children.append(element);
    }
    QList<int> heights;
    int shown = 0;
    for (TBaseClass *child : children) {
        heights.append(child->FullHeight());
        if (heights.last() > 0)
            ++shown;
    }
    int share2 = 0;
    if (FEquil && shown > 0) {
        const QWidget *page = parentWidget() && parentWidget()->parentWidget()
                                  ? parentWidget()->parentWidget()->parentWidget()
                                  : nullptr;
        const int avail = (page ? page->height() : height()) - 24;
        const int share = avail / shown;
        int big = 0;
        int small = 0;
        for (int h : std::as_const(heights)) {
            if (h > share)
                big += h;
            else if (h > 0)
                ++small;
        }
        share2 = small > 0 ? (avail - big) / small : 0;
    }
    int top = 0;
    for (qsizetype i = 0; i < children.size(); ++i) {
        const int h = heights[i] <= 0 ? 0 : (FEquil ? qMax(heights[i], share2) : heights[i]);
        children[i]->setGeometry(0, top, width(), h);
        children[i]->setVisible(h > 0);
        top += h;
    }
    FBody->setGeometry(0, 0, width(), top);
    if (height() != top)
        resize(width(), top);
}

// --- Setting editors ------------------------------------------------------------------------

TControlClass::TControlClass(QWidget *parent)
    : TBaseClass(parent)
{
    FCLabel = new QLabel(this);
    FCLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FULabel = new QLabel(this);
    for (QLabel *label : {FCLabel, FULabel}) {
        QPalette green = label->palette();
        green.setColor(QPalette::WindowText, QColor(ElementGreen));
        label->setPalette(green);
    }
    resize(width(), 23);
}

void TControlClass::AttachEditor(QWidget *editor)
{
    FControl = editor;
    editor->installEventFilter(this);
    Relayout();
}

void TControlClass::AssignCaption(const QString &caption)
{
    FCaption = caption;
    FCLabel->setText(caption);
    Relayout();
}

void TControlClass::AssignUnits(const QString &units)
{
    FUnits = units;
    FULabel->setText(units);
    Relayout();
}

void TControlClass::SetValue(const Variant &value)
{
    TBaseClass::SetValue(value);
    FValue = value;
    FIsSet = true;
}

void TControlClass::Init()
{
    // Editors stack at the top of their block in creation order; the block lays them out.
    if (TBaseClass *block = AsElement(parentWidget() ? parentWidget()->parentWidget() : nullptr))
        block->Relayout();
}

void TControlClass::SetSetting(qint32 number)
{
    FSetting = number;
}

void TControlClass::Colorize()
{
    if (FIsSet)
        return;
    for (QLabel *label : {FCLabel, FULabel}) {
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(red);
    }
}

bool TControlClass::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FControl && !FIsSet) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
            const auto *edit = qobject_cast<QLineEdit *>(FControl);
            if (!edit)
                FControl->setEnabled(false);
            if (!edit || !edit->isReadOnly()) {
                if (Host)
                    Host->MainHintShow(2, Tr(QStringLiteral("mes_valuedisable"))
                                              .replace(QStringLiteral("%s"), FCaption));
            }
        } else if (event->type() == QEvent::FocusOut || event->type() == QEvent::Leave) {
            FControl->setEnabled(true);
        }
    }
    return TBaseClass::eventFilter(watched, event);
}

void TControlClass::Relayout()
{
    if (!FControl)
        return;
    const double a = width() - 24;
    const int labelHeight = height() - 2;
    FCLabel->setGeometry(0, 2, rounded(0.6 * a), labelHeight);
    if (FUnits.isEmpty()) {
        FControl->setGeometry(rounded(0.6 * a) + 12, 0, rounded(0.4 * a) + 12, height());
        FULabel->hide();
    } else {
        FControl->setGeometry(rounded(0.6 * a) + 12, 0, rounded(0.2 * a), height());
        FULabel->setGeometry(rounded(0.8 * a) + 24, 2, rounded(0.2 * a), labelHeight);
        FULabel->show();
    }
}

TEditBoxClass::TEditBoxClass(QWidget *parent)
    : TControlClass(parent)
{
    auto *edit = new QLineEdit(this);
    // Validation runs also when a value arrives from outside, as for a typed one.
    connect(edit, &QLineEdit::textChanged, this, [this] { Validate(); });
    AttachEditor(edit);
}

QLineEdit *TEditBoxClass::Edit() const
{
    return static_cast<QLineEdit *>(FControl);
}

void TEditBoxClass::SetValue(const Variant &value)
{
    TControlClass::SetValue(value);
    Edit()->setText(value.toString());
}

void TEditBoxClass::SetSetting(qint32 number)
{
    TControlClass::SetSetting(number);
    if (number != 0)
        return;
    Edit()->setReadOnly(true);
    Edit()->setAlignment(Qt::AlignCenter);
    Edit()->setFrame(false);
}

Variant TStringClass::GetValue()
{
    return Edit()->text();
}

void TStringClass::Validate()
{
    const QString text = Edit()->text();
    const qsizetype length = text.size();
    const QString quoted = FCaption.isEmpty() ? QString() : QStringLiteral(" \"") + FCaption + u'"';
    QString error;
    if (FSetting == 5 && !text.isEmpty() && length != 6)
        error = Tr(QStringLiteral("mes_passwordlength"));
    else if (!FMin.isEmpty() && Variant::compare(Variant(qint64(length)), FMin) < 0)
        error = Tr(QStringLiteral("mes_valueminlength")) + quoted + QStringLiteral(": ") +
                FMin.toString();
    else if (!FMax.isEmpty() && Variant::compare(Variant(qint64(length)), FMax) > 0)
        error = Tr(QStringLiteral("mes_valuemaxlength")) + quoted + QStringLiteral(": ") +
                FMax.toString();
    if (Host)
        Host->SettingsError(FSetting, error);
}

Variant TIntegerClass::GetValue()
{
    bool ok = false;
    const qint64 number = Edit()->text().toLongLong(&ok);
    FValue = Variant(ok ? number : qint64(0));
    return FValue;
}

void TIntegerClass::Validate()
{
    const QString text = Edit()->text();
    QString error;
    if (text != u"-" && text != u"+") {
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        const Variant number(ok ? value : qint64(0));
        const QString quoted = QStringLiteral(" \"") + FCaption + QStringLiteral("\": ");
        if (!FMin.isEmpty() && Variant::compare(number, FMin) < 0)
            error = Tr(QStringLiteral("mes_valuemin")) + quoted + FMin.toString();
        else if (!FMax.isEmpty() && Variant::compare(number, FMax) > 0)
            error = Tr(QStringLiteral("mes_valuemax")) + quoted + FMax.toString();
    }
    if (Host)
        Host->SettingsError(FSetting, error);
}

void TIntegerClass::Relayout()
{
    if (!FControl)
        return;
    const int labelHeight = height() - 2;
    if (FCaption.isEmpty()) {
        const double a = width() - 36;
        FCLabel->hide();
        FControl->setGeometry(24, 0, rounded(0.15 * a), height());
        FULabel->setGeometry(rounded(0.15 * a) + 36, 2, rounded(0.85 * a), labelHeight);
    } else {
        const double a = width() - 24;
        FCLabel->show();
        FCLabel->setGeometry(0, 2, rounded(0.6 * a), labelHeight);
        FControl->setGeometry(rounded(0.6 * a) + 12, 0, rounded(0.15 * a), height());
        FULabel->setGeometry(rounded(0.75 * a) + 24, 2, rounded(0.25 * a), labelHeight);
    }
    FULabel->setVisible(!FUnits.isEmpty());
}

TFlagClass::TFlagClass(QWidget *parent)
    : TControlClass(parent)
{
    AttachEditor(new QCheckBox(this));
}

QCheckBox *TFlagClass::Check() const
{
    return static_cast<QCheckBox *>(FControl);
}

void TFlagClass::SetValue(const Variant &value)
{
    TControlClass::SetValue(value);
    Check()->setChecked(value.sameAs(Variant(QStringLiteral("1"))));
}

Variant TFlagClass::GetValue()
{
    return Variant(quint8(Check()->isChecked() ? 1 : 0));
}

void TFlagClass::Relayout()
{
    if (!FControl)
        return;
    const int b = Check()->sizeHint().height();
    const int labelHeight = height() - 2;
    if (FCaption.isEmpty()) {
        FCLabel->hide();
        FControl->setGeometry(24, 0, b, b);
        FULabel->setGeometry(b + 36, 2, width() - 36 - b - 36, labelHeight);
    } else {
        const double a = width() - 24;
        FCLabel->show();
        FCLabel->setGeometry(0, 2, rounded(0.6 * a), labelHeight);
        FControl->setGeometry(rounded(0.6 * a) + 12, 0, b, b);
        FULabel->setGeometry(rounded(0.6 * a) + b + 24, 2, rounded(0.4 * a) - b, labelHeight);
    }
    FULabel->setVisible(!FUnits.isEmpty());
}

class TMyComboBox : public QComboBox
{
public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent *event) override { event->ignore(); }
};

TListClass::TListClass(QWidget *parent)
    : TControlClass(parent)
{
    auto *combo = new TMyComboBox(this);
    combo->setMaxVisibleItems(12);
    combo->setFocusPolicy(Qt::StrongFocus);
    AttachEditor(combo);
}

QComboBox *TListClass::Combo() const
{
    return static_cast<QComboBox *>(FControl);
}

void TListClass::SetValue(const Variant &value)
{
    TControlClass::SetValue(value);
    if (value.isEmpty()) {
        Combo()->setCurrentIndex(-1);
        return;
    }
    for (qsizetype i = 0; i < FValues.size(); ++i) {
        const auto order = Variant::compare(Variant(FValues[i].ID), value);
        if (!order)
            return; // a value that is no number ends the search
        if (*order == 0) {
            Combo()->setCurrentIndex(int(i));
            return;
        }
    }
}

Variant TListClass::GetValue()
{
    const int index = Combo()->currentIndex();
    if (index < 0 || index >= FValues.size())
        return Variant();
    return Variant(FValues[index].ID);
}

void TListClass::Init()
{
    TControlClass::Init();
    const int selected = Combo()->currentIndex();
    for (qsizetype i = 0; i < FValues.size(); ++i) {
        const QString text = Tr(FValues[i].Dict);
        if (i < Combo()->count())
            Combo()->setItemText(int(i), text);
        else
            Combo()->addItem(text);
    }
    Combo()->setCurrentIndex(selected);
}

void TListClass::SetSetting(qint32 number)
{
    TControlClass::SetSetting(number);
    if (number == 0)
        Combo()->setEnabled(false);
}

TButtonClass::TButtonClass(QWidget *parent)
    : TControlClass(parent)
{
    auto *button = new QToolButton(this);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, [this] {
        if (Host)
            Host->Commands_Exec(FIdent);
    });
    FCLabel->hide();
    FULabel->hide();
    AttachEditor(button);
    resize(width(), 42);
}

void TButtonClass::AssignCaption(const QString &caption)
{
    FCaption = caption;
    static_cast<QToolButton *>(FControl)->setText(caption);
}

void TButtonClass::Relayout()
{
    if (!FControl)
        return;
    const int margin = qMax(width() / 6, 60);
    FControl->setGeometry(margin, 4, qMax(0, width() - 2 * margin), qMax(0, height() - 8));
}

// --- TTabPanel ------------------------------------------------------------------------------

TTabPanel::TTabPanel(QWidget *owner)
    : QWidget(owner)
    , FOwner(owner)
{
    FIndex = int(Siblings().size()) - 1;
    owner->setFixedHeight(48 * (FIndex + 1));
    setGeometry(0, 48 * FIndex, owner->width(), 48);
    const auto bar = [this] {
        auto *panel = new QWidget(this);
        panel->setAutoFillBackground(true);
        return panel;
    };
    BPanel = bar();
    RPanel = bar();
    LPanel = bar();
    APanel = bar();
    SPanel = bar();
    FCaption = QString::number(FIndex);
    setCursor(Qt::PointingHandCursor);
    UpdateStyle();
    show();
}

QList<TTabPanel *> TTabPanel::Siblings() const
{
    return FOwner->findChildren<TTabPanel *>(Qt::FindDirectChildrenOnly);
}

void TTabPanel::SetCaption(const QString &caption)
{
    FCaption = caption;
    update();
}

void TTabPanel::resizeEvent(QResizeEvent *)
{
    BPanel->setGeometry(0, height() - 5, width(), 5);
    RPanel->setGeometry(width() - 5, 0, 5, height() - 5);
    LPanel->setGeometry(0, 0, 4, height() - 5);
    APanel->setGeometry(width() - 5, height() - 5, 5, 5);
    SPanel->setGeometry(12, height() - 3, qMax(0, width() - 17), 1);
}

void TTabPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(16, 0, -12, -5), Qt::AlignVCenter | Qt::AlignLeft,
                     FCaption.section(u'|', 0, 0));
}

void TTabPanel::mousePressEvent(QMouseEvent *)
{
    AssignChecked(true);
}

void TTabPanel::AssignChecked(bool checked)
{
    FChecked = checked;
    if (checked) {
        FOwner->setProperty("Tag", FIndex);
        for (TTabPanel *tab : Siblings()) {
            if (tab != this && tab->FChecked) {
                tab->FChecked = false;
                if (tab->FWinControl)
                    tab->FWinControl->hide();
            }
        }
        for (TTabPanel *tab : Siblings())
            tab->UpdateStyle();
    } else {
        UpdateStyle();
    }
    if (FWinControl) {
        FWinControl->setVisible(checked);
        if (checked) {
            if (auto *column = qobject_cast<TColumnClass *>(FWinControl);
                column && column->Kind() == TElementKind::Column)
                column->UpdateHeight();
        }
    }
    ColorLeftBar(FChecked ? QColor(ElementGreen) : Theme::Current().Panel);
}

void TTabPanel::ColorLeftBar(const QColor &color)
{
    QPalette pal = LPanel->palette();
    pal.setColor(QPalette::Window, color);
    LPanel->setPalette(pal);
}

void TTabPanel::UpdateStyle()
{
    const TColorSet &set = Theme::Current();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, set.Panel);
    pal.setColor(QPalette::WindowText, set.Text);
    setPalette(pal);
    setAutoFillBackground(true);
    const QColor dark = Theme::DarkShade();
    const auto paint = [](QWidget *bar, const QColor &color) {
        QPalette barPalette = bar->palette();
        barPalette.setColor(QPalette::Window, color);
        bar->setPalette(barPalette);
    };
    const int checkedIndex = FOwner->property("Tag").toInt();
    if (FChecked) {
        paint(LPanel, QColor(ElementGreen));
        paint(RPanel, set.Panel);
        paint(BPanel, dark);
    } else {
        paint(LPanel, set.Panel);
        paint(RPanel, dark);
        paint(BPanel, FIndex + 1 == checkedIndex ? dark : set.Panel);
    }
    paint(APanel, dark);
    paint(SPanel, dark);
}

void TTabPanel::enterEvent(QEnterEvent *)
{
    ColorLeftBar(QColor(ElementSilver));
}

void TTabPanel::leaveEvent(QEvent *)
{
    ColorLeftBar(FChecked ? QColor(ElementGreen) : palette().color(QPalette::Window));
}
