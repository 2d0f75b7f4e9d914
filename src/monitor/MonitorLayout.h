#pragma once

#include <QHash>
#include <QString>

class QDomElement;
class QWidget;

// Builds page elements from the monitoring layout document: panels of columns, sections, items
// and separators, each named by its identifier and captioned in the current language.
class TMonitorLayout
{
public:
    // `panels` maps the lower-case panel names the layout may fill to their widgets.
    explicit TMonitorLayout(QHash<QString, QWidget *> panels)
        : m_panels(std::move(panels))
    {
    }

    // Fills the panels from the XML text; false (with the parser's message in `error`) when the
    // text is no well-formed layout, in which case nothing is built.
    bool Build(const QByteArray &xml, QString *error) const;

private:
    void BuildChildren(const QDomElement &node, QWidget *container) const;
    QHash<QString, QWidget *> m_panels;
};
