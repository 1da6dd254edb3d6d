// What is compiled into the program: the help pages (under ":/aide/") and the icon.
#pragma once

#include <QIcon>

// Registers the resources; they live in a static library, which nothing else would link in.
void InitialiseRessources();

QIcon IconeSampix();
