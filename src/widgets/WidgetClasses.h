#pragma once
// Installs the item classes of the widgets with the item factory, so that windows read them from
// the application data file; the application calls it once at start-up, after the items' own.

void InstallWidgetClasses();
