#pragma once

#include "shell/MainWindow.h"
#include "shell/Process.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

// The window as a user sees it, full monitoring page included, with a data folder of its own.
class BenchWindow
{
public:
    BenchWindow()
    {
        Process::InitDataFolder(m_data.path());
        TOptions options;
        options.NoScan = true;
        window = std::make_unique<TMF>(options);
        window->resize(1200, 800);
        window->show();
        QCoreApplication::processEvents();
    }
    TMF *operator->() const { return window.get(); }

    std::unique_ptr<TMF> window;

private:
    QTemporaryDir m_data;
};
