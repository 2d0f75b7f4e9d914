#include "monitor/MonitorLayout.h"

#include "i18n/Dictionary.h"
#include "settings/ElementHost.h"
#include "settings/Elements.h"

#include <QDomDocument>

namespace {

// Attribute names compare without regard to letter case; a missing one reads as empty.
QString attribute(const QDomElement &node, const QString &name)
{
    const QDomNamedNodeMap attributes = node.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr attr = attributes.item(i).toAttr();
        if (attr.name().compare(name, Qt::CaseInsensitive) == 0)
            return attr.value();
    }
    return QString();
}

// Only the integer 1 switches auto-hide on.
bool hideFlag(const QDomElement &node)
{
    bool ok = false;
    return attribute(node, QStringLiteral("hide")).trimmed().toInt(&ok) == 1 && ok;
}

QString tr(const QString &key)
{
    return Translate(TBaseClass::Host ? TBaseClass::Host->Language() : 0, key);
}

} // namespace

bool TMonitorLayout::Build(const QByteArray &xml, QString *error) const
{
    QDomDocument document;
    QString message;
    int line = 0;
    if (!document.setContent(xml, &message, &line)) {
        if (error)
            *error = QStringLiteral("%1 (line %2)").arg(message).arg(line);
        return false;
    }
    const QDomElement root = document.documentElement();
    if (root.tagName().compare(QStringLiteral("root"), Qt::CaseInsensitive) != 0) {
        if (error)
            *error = QStringLiteral("no <root> element");
        return false;
    }
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString name = attribute(child, QStringLiteral("name")).toLower();
        if (QWidget *panel = m_panels.value(name))
            BuildChildren(child, panel);
    }
    return true;
}

void TMonitorLayout::BuildChildren(const QDomElement &node, QWidget *container) const
{
    for (QDomElement child = node.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString kind = child.tagName().toLower();
        const QString ident = attribute(child, QStringLiteral("ident"));
        const QString units = attribute(child, QStringLiteral("units"));
        if (kind == u"section") {
            auto *section = new TCaptionClass(container);
            section->AssignIdent(ident);
            section->AssignIcon(attribute(child, QStringLiteral("ico")));
            section->AssignCaption(tr(ident));
            section->AssignAutoHide(hideFlag(child));
            bool ok = false;
            const int single = attribute(child, QStringLiteral("single")).trimmed().toInt(&ok);
            if (ok && single != 0) {
                section->FSingle = true;
                if (single == 1)
                    section->AssignFlipped(true);
            }
            BuildChildren(child, section->FBody);
            section->show();
        } else if (kind == u"column") {
            auto *column = new TColumnClass(container);
            column->AssignIdent(ident);
            column->FEquil = true;
            column->AssignAutoHide(hideFlag(child));
            BuildChildren(child, column->FBody);
            column->show();
        } else if (kind == u"item") {
            auto *item = new TItemClass(container);
            item->AssignIdent(ident);
            item->F_Units = units;
            item->FUnits = tr(units);
            item->AssignAutoHide(hideFlag(child));
            item->AssignCaption(tr(ident));
            item->show();
        } else if (kind == u"integer" || kind == u"string" || kind == u"boolean" ||
                   kind == u"list") {
            TControlClass *editor = kind == u"integer"
                                        ? static_cast<TControlClass *>(new TIntegerClass(container))
                                        : new TStringClass(container);
            editor->AssignIdent(ident);
            editor->AssignUnits(kind == u"integer" ? units : tr(units));
            editor->AssignCaption(tr(ident));
            editor->show();
        } else if (kind == u"separator") {
            (new TSeparatorClass(container))->show();
        }
    }
}
