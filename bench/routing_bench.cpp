// Values routed per second into the full monitoring page, as the decoders route them.
#include "settings/Elements.h"
#include "BenchWindow.h"
#include "shell/Theme.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BenchWindow window;
    window->act_PageLogExecute();
    window->FVersion = vtVersion1;
    Process::DeviceSeen = true;
    window->act_PageInfoExecute();
    QCoreApplication::processEvents();

    QStringList idents;
    for (TBaseClass *element : window->findChildren<TBaseClass *>()) {
        if (element->Kind() == TElementKind::Item)
            idents.append(element->FIdent);
    }
    // Numbers, reals and texts, as the decoders send them.
    const QList<Variant> values = {Variant(12), Variant(12.5), Variant(QStringLiteral("OK")),
                                   Variant(4095), Variant(QStringLiteral("01 02:03:04"))};

    const int count = 1000000;
    QList<double> rates;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < count; ++i)
            window->VisualSetValue(idents[i % idents.size()], values[(i / 7) % values.size()],
                                  QString(), ElementGreen);
        QCoreApplication::processEvents(); // the page catches up and repaints
        rates.append(count / (clock.nsecsElapsed() / 1e9));
    }
    std::sort(rates.begin(), rates.end());
    std::printf("routing: median %.0f values/s over %d runs of %d values into %lld items "
                "(min %.0f, max %.0f)\n",
                rates[rates.size() / 2], int(rates.size()), count, qlonglong(idents.size()),
                rates.front(), rates.back());
    return 0;
}
