// Named value routing: whoever has a value hands it to the window with the element's
// identifier; the window finds the element and sets it.
#include "i18n/Dictionary.h"
#include "link/PortInfo.h"
#include "monitor/ElementIndex.h"
#include "settings/Elements.h"
#include "shell/MainWindow.h"
#include "shell/Trace.h"

namespace {

QString colorText(QRgb color)
{
    return QStringLiteral("#%1").arg(color & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

bool isEditor(const TBaseClass *element)
{
    switch (element->Kind()) {
    case TElementKind::String:
    case TElementKind::Integer:
    case TElementKind::Flag:
    case TElementKind::List:
        return true;
    default:
        return false;
    }
}

} // namespace

TBaseClass *TMF::VisualFind(const QWidget *parent, const QString &name) const
{
    return TElementIndex::Instance().Find(parent, name,
                                          {TElementKind::String, TElementKind::Integer,
                                           TElementKind::Flag, TElementKind::List,
                                           TElementKind::Item, TElementKind::Caption});
}

TBaseClass *TMF::VisualFind(const QWidget *parent, qint32 number) const
{
    // Editors by setting number: rare enough for a walk, in the same search order.
    const QList<QWidget *> children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        TBaseClass *element = AsElement(child);
        if (element && isEditor(element) &&
            static_cast<TControlClass *>(element)->FSetting == number)
            return element;
    }
    for (QWidget *child : children) {
        if (TBaseClass *found = VisualFind(child, number))
            return found;
    }
    return nullptr;
}

bool TMF::VisualSetValue(const QString &name, const Variant &value, const QString &alternate,
                         QRgb color)
{
    bool hit = false;
    if (FVersion != vtDetect) {
        if (TPortInfo *device = Q()) {
            const QString folded = foldAsciiCase(name);
            if (folded == u"_deviceid")
                device->SetDeviceName(value.toString());
            else if (folded == u"_devicetype")
                device->SetDeviceVer(value.toString());
            else if (folded == u"_softversion")
                device->SetDeviceSOFT(value.toString());
            else if (folded == u"_deviceimei")
                device->SetDeviceIMEI(value.toString());
        }
        TBaseClass *element = m_routeCache->Find(
            name, [this](const QString &ident) { return VisualFind(this, ident); });
        if (element) {
            if (element->Kind() == TElementKind::Item) {
                element->SetColor(QColor::fromRgb(color));
                element->SetValue(value);
                element->FValueAlter = Variant(alternate);
                hit = true;
            } else if (isEditor(element)) {
                element->SetValue(value);
                hit = true;
            }
        }
    }
    if (Trace::enabled())
        Trace::write({{QStringLiteral("t"), QStringLiteral("value")},
                      {QStringLiteral("ident"), name},
                      {QStringLiteral("text"), value.toString()},
                      {QStringLiteral("color"), colorText(color)},
                      {QStringLiteral("alt"), alternate},
                      {QStringLiteral("hit"), hit}});
    return hit;
}

bool TMF::EnsureDisplayItem(const QString &ident, const QString &section, const QString &newCaption)
{
    if (TBaseClass *element = VisualFind(this, ident))
        return element->Kind() == TElementKind::Item;
    TBaseClass *holder = VisualFind(this, section);
    if (!holder || holder->Kind() != TElementKind::Caption)
        return false;
    auto *item = new TItemClass(holder->FBody);
    item->AssignIdent(ident);
    item->AssignAutoHide(true);
    item->AssignCaption(newCaption);
    item->show();
    holder->Relayout();
    return true;
}

void TMF::SetItemCaption(const QString &ident, const QString &caption)
{
    if (TBaseClass *element = VisualFind(this, ident)) {
        element->AssignCaption(caption);
        element->update();
    }
}

void TMF::SetItemUnits(const QString &ident, const QString &units)
{
    TBaseClass *element = VisualFind(this, ident);
    if (element && element->Kind() == TElementKind::Item) {
        static_cast<TItemClass *>(element)->FUnits = units;
        element->update();
    }
}

bool TMF::ClearSensorResults()
{
    TBaseClass *section = VisualFind(this, QStringLiteral("SensorResult"));
    if (!section || section->Kind() != TElementKind::Caption)
        return false;
    for (QObject *child : section->FBody->children()) {
        TBaseClass *element = AsElement(child);
        if (element && element->Kind() == TElementKind::String)
            delete element;
    }
    section->UpdateHeight();
    return true;
}

void TMF::AddSensorResult(const QString &ident, const QString &caption)
{
    TBaseClass *section = VisualFind(this, QStringLiteral("SensorResult"));
    if (!section || section->Kind() != TElementKind::Caption)
        return;
    auto *sensor = new TStringClass(section->FBody);
    sensor->AssignIdent(ident);
    sensor->FMax = Variant(255);
    sensor->FMin = Variant(-1);
    sensor->AssignCaption(caption);
    sensor->show();
    sensor->UpdateHeight();
}

void TMF::ClearControlsRecursive(QWidget *control)
{
    for (TBaseClass *element : control->findChildren<TBaseClass *>()) {
        if (element->Kind() == TElementKind::Item || element->Kind() >= TElementKind::String)
            if (element->Kind() != TElementKind::Button)
                element->SetValue(Variant());
    }
}
