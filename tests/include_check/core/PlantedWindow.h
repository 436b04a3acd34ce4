// Never compiled: a window's file among the planted engine files. The check
// is told it belongs to the windows, so its include is no offence.
#pragma once

#include <QtWidgets/QWidget>
