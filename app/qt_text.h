// Text (code page 936) to and from QString, through the code-page layer and
// never through the locale.
#pragma once

#include <QString>

#include "text/text.h"

QString toQString(const Text& t);
// Characters code page 936 cannot hold become what the code-page layer makes of them.
Text fromQString(const QString& s);
