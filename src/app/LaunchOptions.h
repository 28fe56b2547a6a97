#pragma once

#include <QString>

// What the command line asks of this run, beyond the class to open.
struct LaunchOptions
{
    QString classFolder; // absolute; empty to stay in the working directory
    bool fullScreen = false;
    int zoomPercent = 100;
};
