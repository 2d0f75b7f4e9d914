// The monitoring page: built once from the layout resource, re-balanced as its columns change.
#include "monitor/MonitorLayout.h"
#include "settings/Elements.h"
#include "shell/MainWindow.h"

#include <QFile>
#include <QStackedWidget>

#include <cstdio>

void TMF::ControlsLoadMonitor()
{
    for (QWidget *panel : {PanelS1, PanelS2, PanelS3, PanelS4, PanelT1})
        ClearPanel(panel);
    QFile resource(QStringLiteral(":/monitor/layout.xml"));
    if (!resource.open(QIODevice::ReadOnly))
        return;
    const TMonitorLayout layout({{QStringLiteral("panels1"), PanelS1},
                                 {QStringLiteral("panels2"), PanelS2},
                                 {QStringLiteral("panels3"), PanelS3},
                                 {QStringLiteral("panels4"), PanelS4},
                                 {QStringLiteral("panelt1"), PanelT1}});
    QString error;
    if (!layout.Build(resource.readAll(), &error))
        std::fprintf(stderr, "The monitoring layout cannot be read: %s\n", qPrintable(error));
    InfoPanelResize();
}

void TMF::InfoPanelResize()
{
    const auto hasContent = [](QWidget *panel) {
        for (QObject *child : panel->children()) {
            TBaseClass *element = AsElement(child);
            if (element && element->isVisibleTo(panel) && element->FullHeight() > 0)
                return true;
        }
        return false;
    };
    const int n = hasContent(PanelS4) ? 4 : 3;
    const int w = (MainPanel->width() - 5 * (n - 1)) / n;
    const int h = MainPanel->height();
    PanelS1->setGeometry(0, 0, w, h);
    PanelS2->setGeometry(w + 5, 0, w, h);
    if (n == 3) {
        PanelS3->setGeometry(2 * (w + 5), 0, MainPanel->width() - 2 * (w + 5), h);
        PanelS4->setGeometry(3 * (w + 5), 0, 0, h);
        PanelS4->hide();
    } else {
        PanelS3->setGeometry(2 * (w + 5), 0, w, h);
        PanelS4->setGeometry(3 * (w + 5), 0, MainPanel->width() - 3 * (w + 5), h);
        PanelS4->show();
    }
    // Each column fills its panel's width and lays its sections out for the page height.
    for (QWidget *panel : {PanelS1, PanelS2, PanelS3, PanelS4}) {
        for (QObject *child : panel->children()) {
            if (TBaseClass *element = AsElement(child)) {
                element->setGeometry(0, 0, panel->width(), element->height());
                element->Relayout();
            }
        }
    }
}
