#pragma once
// Installs the item list and the item classes of this folder with the item factory, so that
// windows read them from the application data file, and the item makers of the framework's
// dialogs: the application factory calls it once at start-up.

void InstallItemClasses();
